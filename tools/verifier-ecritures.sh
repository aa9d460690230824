#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when anything newer than MARQUE stands outside the project's build folders and the
# temporary folders: the tests, and the programs they start, write nowhere else.
#   verifier-ecritures.sh MARQUE
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
if [ -n "$nouveaux" ]; then
    echo "Fichiers écrits hors du dossier de construction et des dossiers temporaires :"
    echo "$nouveaux" | sed 's/^/  /'
    exit 1
fi
echo "Aucun fichier écrit hors du dossier de construction et des dossiers temporaires."
