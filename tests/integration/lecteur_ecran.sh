#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca says while a user calculates by keyboard: starts PROGRAM under the Orca screen
# reader, in French, on a private X screen with its own session and accessibility buses, types
# an age calculation, a duration sum and a division, walks across 1 May 2026 in the calendar
# and opens the Mode menu, then looks for the utterances a blind user needs in Orca's debug
# log. Speech goes through speech-dispatcher and espeak-ng to libao's null output: nothing is
# heard, everything is logged. Exits with 77 when Orca or a tool is missing.
#   lecteur_ecran.sh PROGRAM            the check
#   lecteur_ecran.sh --garder DIR PROGRAM  the same, and Orca's log kept in DIR
set -u
garder=""
if [ "${1:-}" = "--garder" ]; then
    garder=$2
    shift 2
fi
programme=$(realpath "$1")
for outil in orca xdotool Xvfb openbox xprop dbus-run-session speech-dispatcher; do
    command -v "$outil" >/dev/null || exit 77
done
[ -e /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || exit 77
locale -a 2>/dev/null | grep -qix 'fr_FR.utf-\?8' || exit 77

if [ -z "${ORVALINE_DANS_SESSION:-}" ]; then
    maison=$(mktemp -d)
    trap 'rm -rf "$maison"' EXIT
    mkdir -p "$maison/run" "$maison/config/speech-dispatcher" "$maison/programme"
    chmod 700 "$maison/run"
    # Speech to nowhere: libao's null driver, reached through speech-dispatcher's libao output.
    echo "default_driver=null" >"$maison/.libao"
    cat >"$maison/config/speech-dispatcher/speechd.conf" <<'FIN'
AudioOutputMethod "libao"
DefaultModule espeak-ng
DefaultLanguage "fr"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
FIN
    # A copy of its own, with the modules it loads from beside it, so that its settings file
    # is written in the session's folder.
    cp "$programme" "$maison/programme/orvaline"
    cp "$(dirname "$programme")"/liborvaline_*.so "$maison/programme/"
    HOME=$maison XDG_RUNTIME_DIR=$maison/run XDG_CONFIG_HOME=$maison/config \
        XDG_CACHE_HOME=$maison/cache XDG_DATA_HOME=$maison/data XDG_STATE_HOME=$maison/state \
        ORVALINE_DANS_SESSION=1 LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 LANGUAGE=fr \
        dbus-run-session -- bash "$0" "$maison/programme/orvaline" 2>"$maison/erreurs"
    code=$?
    if [ -n "$garder" ]; then cp "$maison/orca.log" "$garder/orca.log"; fi
    exit $code
fi

# Inside the private session.
journal=$HOME/orca.log
pids_ecran=()
trap 'kill "${pids_ecran[@]}" 2>/dev/null' EXIT
source "$(dirname "$0")/ecran_x.sh"
demarrer_ecran "$HOME" || exit $?

orca --debug-file "$journal" -u "$HOME/orca" >/dev/null 2>&1 &
pids_ecran+=($!)
# Orca is ready once it listens to the desktop.
for _ in $(seq 300); do
    grep -q "ORCA: Orca is ready\|Orca is ready\|orca.start" "$journal" 2>/dev/null && break
    grep -q "EVENT MANAGER: Activating" "$journal" 2>/dev/null && break
    sleep 0.1
done
sleep 1

QT_QPA_PLATFORM=xcb "$1" >/dev/null 2>&1 &
pids_ecran+=($!)
xdotool search --sync --name "^Orvaline" >/dev/null 2>&1 || true
sleep 3

touche() {
    xdotool key --clearmodifiers "$@"
    sleep 0.8
}
# The same key n times, at a user's pace.
touches() {
    for _ in $(seq "$2"); do touche "$1"; done
}
taper() {
    xdotool type --delay 120 "$1"
    sleep 0.8
}

# An age: 01/01/1990 to 23/12/2025 in whole years, months and days. Enter walks the frame:
# start date, increment, unit list, end date.
touche F3
taper 01011990
# Away and back: the field is read whole.
touche Tab
touche shift+Tab
touche Return
touche Return
touche Return
taper 23122025
# Back into the unit list, whose selected row is then heard; the exact difference is five
# rows below "Mois".
touche shift+Tab
for _ in 1 2 3 4 5; do touche Down; done
sleep 1.5

# A sum of durations: 1 d 2 h, plus, 3 h, equals. Tab reaches Plus after the four fields, and
# Égal three buttons later.
touche F2
taper 1
touche Tab
taper 2
touches Tab 3
touche space
sleep 1
touche Tab
taper 3
touches Tab 8
touche space
sleep 1.5
# Divided: the focus goes to the number field, and is heard going there.
touches Tab 8
touche space
sleep 1.5

# The calendar on 30 April 2026, one day to the right.
touche F3
touche ctrl+a
taper 30042026
touche Tab space
sleep 2
# The month list has the focus; five Tabs reach the day grid, past the year list and the
# three buttons.
touches Tab 5
touche Right
sleep 1.5
touche Escape
sleep 1
# The Mode menu: its first item with its shortcut. Alt is held while M is pressed, as a hand
# does: with xdotool's "alt+m" the menu closed again at once.
xdotool keydown alt
sleep 0.2
xdotool key m
sleep 0.2
xdotool keyup alt
sleep 1.5
touche Escape
touche Escape
kill "${pids_ecran[@]}" 2>/dev/null
sleep 0.5

# What Orca said, one utterance a line.
paroles=$(grep "SPEECH OUTPUT: '" "$journal" | sed -E "s/^.*SPEECH OUTPUT: '(.*)' ?\{.*$/\1/")
echo "$paroles" >"$HOME/paroles.txt"
manque=0
# A phrase within an utterance, or with -x a whole utterance.
exiger() {
    local entier=""
    if [ "$1" = "-x" ]; then
        entier=x
        shift
    fi
    if ! grep -qF$entier -- "$1" <<<"$paroles"; then
        echo "Orca n'a pas dit : $1"
        manque=1
    fi
}
# The result, the total, the day reached with its holiday, the unit selected when the list
# takes the focus, the typed date read whole, the field the division sends the focus to, and
# a menu item's shortcut.
exiger "35 ans, 11 mois et 22 jours"
exiger "= 001 J 05:00:00"
exiger "vendredi 1er mai 2026, fête du Travail"
exiger -x "Mois."
exiger "01/01/1990"
exiger -x "Nombre texte."
exiger -x "Calculatrice de Temps F2."
if [ $manque -ne 0 ]; then
    echo "--- ce qu'Orca a dit ---"
    echo "$paroles"
fi
exit $manque
