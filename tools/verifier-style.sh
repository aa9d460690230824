#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on drift from the house style: the layout of every C++ file (.clang-format) and the
# checks of .clang-tidy over src/. Reads the compile commands of the given build folder
# (build/ by default, where the default preset writes them).
#   bash tools/verifier-style.sh [dossier de construction] [fichiers…]
set -euo pipefail
cd "$(dirname "$0")/.."
construction="${1:-build}"
shift || true
if [ ! -f "$construction/compile_commands.json" ]; then
    echo "$construction/compile_commands.json manque : configurez avec « cmake --preset default »."
    exit 1
fi
echec=0

if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
    echo "Mise en forme : passez « clang-format -i » sur les fichiers ci-dessus."
    echec=1
fi

if [ $# -gt 0 ]; then sources=("$@"); else mapfile -t sources < <(git ls-files 'src/*.cpp'); fi
# One clang-tidy per core, a few files each. Clang's own limit on constant evaluation is lower
# than the holiday table needs, as in the clang builds.
if ! printf '%s\n' "${sources[@]}" |
    xargs -n 4 -P "$(nproc)" clang-tidy -p "$construction" --quiet \
        --extra-arg=-fconstexpr-steps=200000000 2> >(grep -v 'warnings\? generated\.$' >&2); then
    echo "clang-tidy : corrigez les avertissements ci-dessus (réglages dans .clang-tidy)."
    echec=1
fi
exit "$echec"
