# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that need a private X screen with a window manager.

# Starts Xvfb and openbox, with Xvfb's display number written in DOSSIER/ecran, and exports
# DISPLAY. The servers' process ids are added to the array `pids_ecran`. Returns 77 when Xvfb
# does not start, 1 when openbox does not: without a window manager no window gets a frame.
demarrer_ecran() {
    local dossier=$1
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$dossier/ecran" >/dev/null 2>&1 &
    pids_ecran+=($!)
    # A loaded machine (a build beside the tests) can take many seconds to start either server.
    for _ in $(seq 600); do
        [ -s "$dossier/ecran" ] && break
        sleep 0.05
    done
    [ -s "$dossier/ecran" ] || { echo "Xvfb ne démarre pas"; return 77; }
    export DISPLAY=":$(head -n1 "$dossier/ecran")"
    openbox --sm-disable >/dev/null 2>&1 &
    pids_ecran+=($!)
    # The window manager is ready once it has announced itself on the root window.
    for _ in $(seq 600); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    echo "openbox ne démarre pas"
    return 1
}
