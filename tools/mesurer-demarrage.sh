#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmark, in one run on a private virtual screen:
#  - Orvaline and a bare Qt 6 window started alternately several times: median time until the
#    first window is visible, resident memory at that moment, and resident memory two seconds
#    after Orvaline's main window (the bare window: two seconds after it appeared), in all and
#    in the program's own pages (heap, stacks, window buffers: what is not shared with other
#    Qt programs); and the same for a bare window of the main window's size showing one line
#    of text;
#  - the handler timings of tools/banc (tape operation after 10, 1,000 and N calculations,
#    date calculation after 10 and N history entries, key release in a date and a time field,
#    and what the run's journal alone adds to a calculation).
# Prints one table. Needs xvfb and xdotool (apt-get install xvfb xdotool).
#   tools/mesurer-demarrage.sh [runs] [N]          (default 7 runs, N = 10000)
#   BINAIRES=/other/build tools/mesurer-demarrage.sh   measures programs built elsewhere
#   BANC=file tools/mesurer-demarrage.sh   takes the handler timings from an earlier banc output
set -euo pipefail
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
tours=${1:-7}
calculs=${2:-10000}
binaires=${BINAIRES:-build}
if [ -z "${BINAIRES:-}" ]; then
    cmake --build build --target orvaline fenetrenue banc -j "$(nproc)" >/dev/null
fi

# A screen and a runtime folder of our own: other screens and a copy of Orvaline running
# elsewhere (its single-copy lock) must not meet ours. The server picks a free screen number.
runtime=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$runtime/ecran" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
until [ -s "$runtime/ecran" ]; do sleep 0.05; done
export DISPLAY=:$(head -n 1 "$runtime/ecran") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$runtime
# The runs are stopped by a signal, which leaves their journal: in a folder of ours, it never
# meets the user's own nor asks the next run to take it up.
export XDG_STATE_HOME=$runtime/etat

maintenant() { date +%s%N; }
rss() { awk '/VmRSS/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }
# The program's own pages: its heap, stacks and window buffers, without the library and font
# pages that every Qt program on the desktop shares.
privee() { awk '/RssAnon|RssShmem/ {s += $2} END {print s + 0}' "/proc/$1/status" 2>/dev/null || echo 0; }

# Prints "milliseconds kilobytes-at-first-window kilobytes-two-seconds-later private-kilobytes"
# for one start.
# For Orvaline the later figure is taken two seconds after its main window is up.
mesurer() {
    local programme=$1 principale=$2
    shift 2
    local debut fin pid memoire apres propre
    debut=$(maintenant)
    "$programme" "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$programme a fini sans fenêtre" >&2; return 1; }
        sleep 0.005
    done
    fin=$(maintenant)
    memoire=$(rss "$pid")
    if [ "$principale" = oui ]; then
        until xdotool search --onlyvisible --name "^  Orvaline$" >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || { echo "$programme a fini avant sa fenêtre" >&2; return 1; }
            sleep 0.02
        done
    fi
    sleep 2
    apres=$(rss "$pid")
    propre=$(privee "$pid")
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$(((fin - debut) / 1000000)) $memoire $apres $propre"
}

mediane() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : int((v[NR/2]+v[NR/2+1])/2)}'; }

t_o=() m_o=() p_o=() v_o=() t_n=() m_n=() p_n=() v_n=() p_t=() v_t=()
# Polling the server this often now and then makes it refuse a new client's connection, so
# a start that ends without a window is tried again, three times at most.
mesurer3() {
    local essai
    for essai in 1 2 3; do
        mesurer "$@" && return 0
        sleep 0.5
    done
    echo "$1 : trois départs sans fenêtre" >&2
    exit 1
}
for _ in $(seq "$tours"); do
    read -r t m p v < <(mesurer3 "$binaires/orvaline" oui)
    t_o+=("$t") m_o+=("$m") p_o+=("$p") v_o+=("$v")
    read -r t m p v < <(mesurer3 "$binaires/fenetrenue" non)
    t_n+=("$t") m_n+=("$m") p_n+=("$p") v_n+=("$v")
    read -r t m p v < <(mesurer3 "$binaires/fenetrenue" non --texte)
    p_t+=("$p") v_t+=("$v")
done
med() { printf '%s\n' "$@" | mediane; }
to=$(med "${t_o[@]}") tn=$(med "${t_n[@]}")
mo=$(med "${m_o[@]}") mn=$(med "${m_n[@]}")
po=$(med "${p_o[@]}") pn=$(med "${p_n[@]}")
vo=$(med "${v_o[@]}") vn=$(med "${v_n[@]}")
pt=$(med "${p_t[@]}") vt=$(med "${v_t[@]}")

# The handler timings, "name microseconds" per line.
declare -A banc
while read -r nom valeur; do banc[$nom]=$valeur; done < <(if [ -n "${BANC:-}" ]; then cat "$BANC"; else "$binaires/banc" "$calculs" 2>/dev/null; fi)
b() { echo "${banc[$1]:-?}"; }

# Pads by characters, not bytes: the labels hold accents and guillemets.
ligne() {
    local largeur=$((50 + $(printf %s "$1" | wc -c) - $(printf %s "$1" | wc -m)))
    printf "%-${largeur}s %10s %12s %8s\n" "$@"
}
rapport() { awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 > 0 && a + 0 > 0) printf "%.2f", a / b; else print "-" }'; }
n=$(echo "$calculs" | sed -e ':a' -e 's/\([0-9]\)\([0-9]\{3\}\)\($\| \)/\1 \2\3/;ta')
echo "Orvaline contre une fenêtre Qt nue ($tours tours, médianes; temps des gestionnaires en µs)"
ligne "" "Orvaline" "fenêtre nue" "rapport"
ligne "première fenêtre visible (ms)" "$to" "$tn" "$(rapport "$to" "$tn")"
ligne "mémoire résidente, première fenêtre (kB)" "$mo" "$mn" "$(rapport "$mo" "$mn")"
ligne "mémoire résidente, fenêtre principale (kB)" "$po" "$pn" "$(rapport "$po" "$pn")"
ligne "  dont pages propres, non partagées (kB)" "$vo" "$vn" "$(rapport "$vo" "$vn")"
# The same bare window at the main window's size with one line of text: the floor that any
# program showing text in a window that large starts from.
ligne "fenêtre nue 567 × 397 avec une ligne de texte (kB)" "$po" "$pt" "$(rapport "$po" "$pt")"
ligne "  dont pages propres, non partagées (kB)" "$vo" "$vt" "$(rapport "$vo" "$vt")"
ligne "bande : « + … = » après 10 calculs (µs)" "$(b bande_10)" "" ""
ligne "bande : « + … = » après 1 000 calculs (µs)" "$(b bande_1000)" "" "$(rapport "$(b bande_1000)" "$(b bande_10)")"
ligne "bande : « + … = » après $n calculs (µs)" "$(b "bande_$calculs")" "" "$(rapport "$(b "bande_$calculs")" "$(b bande_10)")"
ligne "calcul de dates après 10 entrées (µs)" "$(b date_10)" "" ""
ligne "calcul de dates après $n entrées (µs)" "$(b "date_$calculs")" "" "$(rapport "$(b "date_$calculs")" "$(b date_10)")"
ligne "touche relâchée, champ date, bande vide (µs)" "$(b touche_date_vide)" "" ""
ligne "touche relâchée, champ date, bande longue (µs)" "$(b touche_date_longue)" "" ""
ligne "touche relâchée, champ heure, bande vide (µs)" "$(b touche_temps_vide)" "" ""
ligne "touche relâchée, champ heure, bande longue (µs)" "$(b touche_temps_longue)" "" ""
ligne "journal : lignes d'un calcul ajoutées (µs)" "$(b journal_ajout)" "" ""
echo "(rapports des lignes de bande et de dates : par rapport à la mesure après 10)"
