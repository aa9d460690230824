#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program under sway, a Wayland compositor that draws the title bars itself, on a
# headless output. sway refuses to run as root: run by root, the script runs sway and the test
# as an unprivileged system user of its own. Skipped (77) only when a tool is missing.
#   ecran_wayland.sh PROGRAMME [CAPTURE.png]
set -u
for outil in sway swaymsg; do
    command -v "$outil" >/dev/null || { echo "$outil manque"; exit 77; }
done
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "qt6-wayland manque"; exit 77; }
programme=$1
capture=${2:-}

travail=$(mktemp -d)
chmod 755 "$travail"
sway_pid=""
trap '[ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$travail"' EXIT

comme=()
if [ "$(id -u)" -eq 0 ]; then
    utilisateur=orvaline-essai
    if ! id "$utilisateur" >/dev/null 2>&1; then
        command -v useradd >/dev/null || { echo "useradd manque"; exit 77; }
        useradd --system --no-create-home --shell /usr/sbin/nologin "$utilisateur" ||
            { echo "impossible de créer $utilisateur"; exit 1; }
    fi
    comme=(setpriv --reuid="$utilisateur" --regid="$utilisateur" --clear-groups --)
fi
mkdir -m 700 "$travail/run" "$travail/maison"
# The test runs from a copy the user can read, wherever the build lies.
cp "$programme" "$travail/essai"
chmod 755 "$travail/essai"
[ ${#comme[@]} -gt 0 ] && chown "$utilisateur:" "$travail/run" "$travail/maison"

cat >"$travail/sway.conf" <<'FIN'
output HEADLESS-1 resolution 1280x900
xwayland disable
FIN
environnement=(env -i PATH=/usr/bin:/bin HOME="$travail/maison" XDG_RUNTIME_DIR="$travail/run"
    LANG="${LANG:-C.UTF-8}" LC_ALL="${LC_ALL:-C.UTF-8}")
"${comme[@]}" "${environnement[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$travail/sway.conf" >"$travail/sway.log" 2>&1 &
sway_pid=$!
prise=""
for _ in $(seq 600); do
    prise=$(ls "$travail"/run/sway-ipc.*.sock 2>/dev/null | head -n1)
    [ -n "$prise" ] && [ -S "$travail/run/wayland-1" ] && break
    sleep 0.05
done
if [ -z "$prise" ]; then
    echo "sway ne démarre pas :"
    cat "$travail/sway.log"
    exit 1
fi

# WAYLAND_DEBUG shows what is said to the compositor: each dialog must name its parent.
# Qt 6.4's text-input support dereferences a missing text input on a compositor that offers
# no input device at all; sway's headless seat has been enough so far, and naming an input
# method that does not exist keeps that support out in any case.
"${comme[@]}" "${environnement[@]}" WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$prise" \
    QT_QPA_PLATFORM=wayland QT_IM_MODULE=aucun WAYLAND_DEBUG=client \
    ORVALINE_CAPTURE="${capture:+$travail/maison/capture.png}" \
    "$travail/essai" 2>"$travail/wayland.log"
resultat=$?
grep -v '^\[' "$travail/wayland.log" | grep -v -e '->' -e '^ *$'
if [ $resultat -eq 0 ] && ! grep -q 'xdg_toplevel@[0-9]*\.set_parent(xdg_toplevel@' "$travail/wayland.log"; then
    echo "FAIL : aucune fenêtre n'a nommé sa fenêtre parente au compositeur"
    resultat=1
fi
[ -n "$capture" ] && [ -f "$travail/maison/capture.png" ] && cp "$travail/maison/capture.png" "$capture"
exit $resultat
