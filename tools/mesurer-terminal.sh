#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Benchmark of the command line, in one run: the time of one calculation, from exec to exit
# (median of N runs), for `orvaline --calcul`, `orvaline --version`, GNU date, dateutils'
# dadd and qalc, then the lines per second of `orvaline --calcul -` on a batch of L lines.
# Installs dateutils and qalc when they are missing.
#   tools/mesurer-terminal.sh [N] [L]          (default N = 30, L = 200000)
#   BINAIRES=/other/build tools/mesurer-terminal.sh   measures a program built elsewhere
set -euo pipefail
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
source tools/commun.sh
tours=${1:-30}
lignes=${2:-200000}
binaires=${BINAIRES:-build}
if [ -z "${BINAIRES:-}" ]; then
    cmake --build build --target orvaline -j "$(nproc)" >/dev/null
fi
programme="$binaires/orvaline"
if ! command -v dateutils.dadd >/dev/null || ! command -v qalc >/dev/null; then
    en_root apt-get update >/dev/null
    en_root apt-get install -y --no-install-recommends dateutils qalc >/dev/null
fi
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
# The program reads its settings only; a home of our own keeps the user's out of the way.
export HOME="$travail" XDG_CONFIG_HOME="$travail/config"

# Median in milliseconds of N runs of a command (bash's own clock around fork, exec and exit).
mediane() {
    local i debut fin
    for ((i = 0; i < tours + 2; i++)); do
        debut=$EPOCHREALTIME
        "$@" >/dev/null 2>&1 || true
        fin=$EPOCHREALTIME
        # The first two runs fill the page cache and are left out.
        ((i >= 2)) && echo "$debut $fin"
    done | awk '{print ($2 - $1) * 1000}' | sort -g |
        awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m}'
}

printf '%-46s %s\n' "Un calcul (médiane de $tours, ms)" ""
ligne() { printf '  %-44s %8s ms\n' "$1" "$(shift; mediane "$@")"; }
ligne "orvaline -c \"31/01/2024 + 1 mois\"" "$programme" --metropole -c "31/01/2024 + 1 mois"
ligne "orvaline -c \"04/05/2026 + 10 jours ouvrés\"" "$programme" -c "04/05/2026 + 10 jours ouvrés"
ligne "orvaline --version" "$programme" --version
ligne "date -d \"2024-01-31 +1 month\"" date -d "2024-01-31 +1 month" +%F
ligne "dateutils.dadd 2024-01-31 +1mo" dateutils.dadd 2024-01-31 +1mo
ligne "qalc \"2024-01-31 + 1 month\"" qalc -t "2024-01-31 + 1 month"

# A batch mixing every kind of expression.
modeles=("31/01/2024 + 1 mois" "04/05/2026 + 10 jours ouvrés" "15/12/1990 .. 06/12/2026"
    "01/05/2026 .. 31/05/2026 en jours ouvrés" "2 j 03:20 x 3" "25/05/2026"
    "1990-12-15 + 1 an 2 mois 3 jours" "01:00 - 02:30")
awk -v n="$lignes" -v m="${#modeles[@]}" 'BEGIN {}
    NR <= m { t[NR - 1] = $0 } END { for (i = 0; i < n; i++) print t[i % m] }' \
    < <(printf '%s\n' "${modeles[@]}") >"$travail/lot"
debut=$EPOCHREALTIME
"$programme" --metropole --calcul - <"$travail/lot" >"$travail/resultats"
fin=$EPOCHREALTIME
[ "$(wc -l <"$travail/resultats")" -eq "$lignes" ] || { echo "le lot n'a pas toutes ses lignes"; exit 1; }
awk -v d="$debut" -v f="$fin" -v n="$lignes" \
    'BEGIN { printf "Lot de %d lignes (orvaline --calcul -) : %.2f s, %d lignes par seconde\n", n, f - d, n / (f - d) }'
