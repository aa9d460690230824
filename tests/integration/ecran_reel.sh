#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a private X screen under the openbox window manager, so that its
# windows get the frame a desktop draws around them. Skipped when the tools are missing.
set -u
for outil in Xvfb openbox xprop xwininfo; do
    command -v "$outil" >/dev/null || exit 77
done
travail=$(mktemp -d)
wm=""
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$travail/ecran" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$travail"' EXIT
# A loaded machine (a build beside the tests) can take many seconds to start either server.
for _ in $(seq 600); do
    [ -s "$travail/ecran" ] && break
    sleep 0.05
done
[ -s "$travail/ecran" ] || { echo "Xvfb ne démarre pas"; exit 77; }
export DISPLAY=":$(head -n1 "$travail/ecran")"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager is ready once it has announced itself on the root window.
pret=""
for _ in $(seq 600); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && { pret=1; break; }
    sleep 0.05
done
# Without a window manager no window gets a frame: every measure would be wrong.
[ -n "$pret" ] || { echo "openbox ne démarre pas"; exit 1; }
QT_QPA_PLATFORM=xcb "$@"
