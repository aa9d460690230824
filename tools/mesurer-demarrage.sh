#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up benchmark: starts Orvaline and a bare Qt 6 window alternately on a private virtual
# screen, several times, and prints side by side the median time until the first window is
# visible and the resident memory at that moment (and, for Orvaline, once its main window is
# up). Needs xvfb and xdotool (apt-get install xvfb xdotool).
#   tools/mesurer-demarrage.sh [runs]      (default 7)
set -euo pipefail
cd "$(dirname "$0")/.."
tours=${1:-7}
cmake --build build --target orvaline fenetrenue -j "$(nproc)" >/dev/null

ecran=:$((90 + RANDOM % 50))
Xvfb "$ecran" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$ecran QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

maintenant() { date +%s%N; }
rss() { awk '/VmRSS/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }

# Prints "milliseconds kilobytes [kilobytes-later]" for one start of the program.
mesurer() {
    local programme=$1 attendre_principale=$2
    local debut fin pid
    local verrou="${XDG_RUNTIME_DIR:-/tmp}"
    debut=$(maintenant)
    "$programme" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do sleep 0.005; done
    fin=$(maintenant)
    local memoire apres=""
    memoire=$(rss "$pid")
    if [ "$attendre_principale" = oui ]; then
        until xdotool search --onlyvisible --name "^  Orvaline$" >/dev/null 2>&1; do sleep 0.02; done
        sleep 0.5
        apres=$(rss "$pid")
    fi
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo "$(((fin - debut) / 1000000)) $memoire $apres"
}

mediane() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : int((v[NR/2]+v[NR/2+1])/2)}'; }

t_o=() m_o=() p_o=() t_n=() m_n=()
for i in $(seq "$tours"); do
    read -r t m p < <(mesurer build/orvaline oui); t_o+=("$t"); m_o+=("$m"); p_o+=("$p")
    read -r t m _ < <(mesurer build/fenetrenue non); t_n+=("$t"); m_n+=("$m")
done

to=$(printf '%s\n' "${t_o[@]}" | mediane); tn=$(printf '%s\n' "${t_n[@]}" | mediane)
mo=$(printf '%s\n' "${m_o[@]}" | mediane); mn=$(printf '%s\n' "${m_n[@]}" | mediane)
po=$(printf '%s\n' "${p_o[@]}" | mediane)
printf '%-34s %12s %14s\n' "" "Orvaline" "fenêtre nue"
printf '%-34s %9s ms %11s ms\n' "première fenêtre visible (médiane)" "$to" "$tn"
printf '%-34s %9s kB %11s kB\n' "mémoire résidente à ce moment" "$mo" "$mn"
printf '%-34s %9s kB\n' "mémoire, fenêtre principale" "$po"
awk -v a="$to" -v b="$tn" -v c="$mo" -v d="$mn" 'BEGIN {
    printf "rapports : temps %.2f, mémoire %.2f (sur %d tours)\n", a / b, c / d, '"$tours"' }'
