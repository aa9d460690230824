#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of tests/fuzz with clang (in build-fuzz) and runs each one for
# the given number of seconds (60 by default). A crashing input lands in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/commun.sh
secondes="${1:-60}"
if ! command -v clang++ >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
    en_root apt-get update
    en_root apt-get install -y --no-install-recommends clang libclang-rt-14-dev
fi
cmake --preset fuzz "${lanceur_ccache[@]}" >/dev/null
cibles=()
for source in tests/fuzz/fuzz_*.cpp; do
    nom=$(basename "$source" .cpp)
    cibles+=("${nom#fuzz_}")
done
cmake --build --preset fuzz -j "$(nproc)" --target "${cibles[@]/#/fuzz_}"
for cible in "${cibles[@]}"; do
    echo "== fuzz_$cible, ${secondes} s"
    corpus="build-fuzz/corpus/$cible"
    mkdir -p "$corpus"
    nice -n 19 "build-fuzz/tests/fuzz/fuzz_$cible" -max_total_time="$secondes" \
        -artifact_prefix="build-fuzz/plantage-$cible-" "$corpus" "tests/fuzz/graines/$cible"
done
