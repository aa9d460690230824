#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private X screen under the openbox window manager, so that its
# windows get the frame a desktop draws around them. Skipped when the tools are missing.
set -u
for outil in Xvfb openbox xprop xwininfo; do
    command -v "$outil" >/dev/null || exit 77
done
source "$(dirname "$0")/ecran_x.sh"
travail=$(mktemp -d)
pids_ecran=()
trap 'kill "${pids_ecran[@]}" 2>/dev/null; rm -rf "$travail"' EXIT
demarrer_ecran "$travail" || exit $?
QT_QPA_PLATFORM=xcb "$@"
