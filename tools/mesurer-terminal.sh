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
    cmake --build build --target orvaline coeurnu -j "$(nproc)" >/dev/null
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

# The commands timed, each a name and its words; they take turns, one run each per round, so
# that a machine other programs keep busy weighs on all of them alike. Bash's own clock around
# fork, exec and exit; the first two rounds fill the page cache and are left out.
noms=() commandes=()
ajouter() { noms+=("$1"); shift; commandes+=("$(printf '%q ' "$@")"); }
ajouter "orvaline -c \"31/01/2024 + 1 mois\"" "$programme" --metropole -c "31/01/2024 + 1 mois"
ajouter "orvaline -c \"04/05/2026 + 10 jours ouvrés\"" "$programme" -c "04/05/2026 + 10 jours ouvrés"
ajouter "orvaline --version" "$programme" --version
ajouter "programme nu lié à Qt Core (coeurnu)" "$binaires/coeurnu"
ajouter "date -d \"2024-01-31 +1 month\"" date -d "2024-01-31 +1 month" +%F
ajouter "dateutils.dadd 2024-01-31 +1mo" dateutils.dadd 2024-01-31 +1mo
ajouter "qalc \"2024-01-31 + 1 month\"" qalc -t "2024-01-31 + 1 month"
for ((tour = 0; tour < tours + 2; tour++)); do
    for i in "${!commandes[@]}"; do
        debut=$EPOCHREALTIME
        eval "${commandes[$i]}" >/dev/null 2>&1 || true
        fin=$EPOCHREALTIME
        ((tour >= 2)) && echo "$i $debut $fin" >>"$travail/temps"
    done
done
echo "Un calcul (médiane de $tours, ms)"
for i in "${!commandes[@]}"; do
    printf '  %-44s %8s ms\n' "${noms[$i]}" "$(awk -v i="$i" '$1 == i {print ($3 - $2) * 1000}' "$travail/temps" |
        sort -g | awk '{v[NR] = $1} END {printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}')"
done

# A batch mixing every kind of expression.
modeles=("31/01/2024 + 1 mois" "04/05/2026 + 10 jours ouvrés" "15/12/1990 .. 06/12/2026"
    "01/05/2026 .. 31/05/2026 en jours ouvrés" "2 j 03:20 x 3" "25/05/2026"
    "1990-12-15 + 1 an 2 mois 3 jours" "01:00 - 02:30")
awk -v n="$lignes" -v m="${#modeles[@]}" 'BEGIN {}
    NR <= m { t[NR - 1] = $0 } END { for (i = 0; i < n; i++) print t[i % m] }' \
    < <(printf '%s\n' "${modeles[@]}") >"$travail/lot"
# Wall-clock time, and processor time (user and system) too: on a machine other programs keep
# busy, the latter says what the program itself needs.
TIMEFORMAT='%R %U %S'
temps=$({ time "$programme" --metropole --calcul - <"$travail/lot" >"$travail/resultats"; } 2>&1)
[ "$(wc -l <"$travail/resultats")" -eq "$lignes" ] || { echo "le lot n'a pas toutes ses lignes"; exit 1; }
read -r reel utilisateur systeme <<<"$temps"
awk -v r="$reel" -v u="$utilisateur" -v s="$systeme" -v n="$lignes" 'BEGIN {
    printf "Lot de %d lignes (orvaline --calcul -) : %.2f s, %d lignes par seconde\n", n, r, n / r
    printf "  temps de processeur : %.2f s, %d lignes par seconde de processeur\n", u + s, n / (u + s) }'
