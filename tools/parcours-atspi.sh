#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tools/parcours-atspi.py against PROGRAM on a private virtual screen, with its own
# session bus and accessibility bus. Needs xvfb, dbus, at-spi2-core, python3-gi and
# gir1.2-atspi-2.0; exits with 77 when one is missing.
set -u
programme=${1:-build/orvaline}
ici=$(cd "$(dirname "$0")" && pwd)
# The system Python: python3-gi is installed for it, not for another Python on PATH.
py=/usr/bin/python3
for t in xvfb-run dbus-run-session $py; do command -v $t >/dev/null || exit 77; done
"$py" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null || exit 77
[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || exit 77
# The buses and the program keep their caches and settings in a folder of the walk's own.
maison=$(mktemp -d)
trap 'rm -rf "$maison"' EXIT
XDG_CACHE_HOME="$maison/cache" XDG_CONFIG_HOME="$maison/config" XDG_DATA_HOME="$maison/data" \
    XDG_STATE_HOME="$maison/state" xvfb-run -a -s "-screen 0 1280x900x24" \
    dbus-run-session -- "$py" "$ici/parcours-atspi.py" "$programme"
