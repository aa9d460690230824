#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when anything newer than MARQUE stands outside the project's build folders and the
# temporary folders: the tests, and the programs they start, write nowhere else.
#   verifier-ecritures.sh MARQUE
# Two kinds of new file are not the tests' doing and are let through: the file this run's own
# output goes to (a log the caller redirected us into), and a file held open by a process that
# was already running before MARQUE was made (a log another program on the machine keeps).
set -euo pipefail
marque=$1
projet=$(cd "$(dirname "$0")/.." && pwd)
# Besides the system's own virtual and temporary trees: the X server's compiled keymaps,
# and the compiler cache.
hors=(/proc /sys /dev /run /tmp /var/tmp /var/lib/xkb "$projet"/build "$projet"/build-*
    "${HOME:-/root}/.ccache" "${HOME:-/root}/.cache/ccache")
elagage=()
for d in "${hors[@]}"; do elagage+=(-path "$d" -o); done
nouveaux=$(find / -xdev \( "${elagage[@]}" -false \) -prune -o -type f -newer "$marque" -print \
    2>/dev/null | sort || true)

# The files our own output and errors go to.
sorties=$(readlink -f /proc/$$/fd/1 /proc/$$/fd/2 2>/dev/null || true)
# Files open in processes that started before the mark: seconds since the epoch, compared
# with the mark's date.
depart_marque=$(stat -c %Y "$marque")
maintenant=$(date +%s)
tenus_avant=""
for fd in /proc/[0-9]*/fd; do
    pid=${fd#/proc/}
    pid=${pid%/fd}
    age=$(ps -o etimes= -p "$pid" 2>/dev/null | tr -d ' ') || continue
    [ -n "$age" ] || continue
    if [ $((maintenant - age)) -lt "$depart_marque" ]; then
        tenus_avant+=$(find "$fd" -mindepth 1 -maxdepth 1 -type l -printf '%l\n' 2>/dev/null || true)
        tenus_avant+=$'\n'
    fi
done

restants=""
while IFS= read -r f; do
    [ -n "$f" ] || continue
    if grep -qxF -- "$f" <<<"$sorties"; then
        echo "Ignoré, journal où va ce contrôle : $f"
        continue
    fi
    if grep -qxF -- "$f" <<<"$tenus_avant"; then
        echo "Ignoré, tenu ouvert par un programme lancé avant les essais : $f"
        continue
    fi
    restants+="$f"$'\n'
done <<<"$nouveaux"

if [ -n "$restants" ]; then
    echo "Fichiers écrits hors du dossier de construction et des dossiers temporaires :"
    printf '%s' "$restants" | sed 's/^/  /'
    exit 1
fi
echo "Aucun fichier écrit hors du dossier de construction et des dossiers temporaires."
