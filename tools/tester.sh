#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prepares the machine, builds Orvaline and runs every test (no display needed). In CI, the
# core and shared tests run a second time under the address and undefined-behaviour
# sanitizers, in a build folder of their own (build-asan).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/preparer.sh
# Everything written from here on must stay in build/ or in a temporary folder.
marque=$(mktemp)
trap 'rm -f "$marque"' EXIT
sleep 1
(cd build && ctest --output-on-failure -j "$(nproc)")
bash tools/verifier-bureau.sh build
# What a screen reader finds in every window; skipped (77) when its tools are not installed.
code=0
bash tools/parcours-atspi.sh build/orvaline || code=$?
case $code in
    0) ;;
    77) echo "Parcours AT-SPI ignoré : xvfb, at-spi2-core ou python3-gi manquent." ;;
    *) exit "$code" ;;
esac
bash tools/verifier-ecritures.sh "$marque"
if [ -n "${CI:-}" ]; then
    lanceur=()
    command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVALINE_SANITIZE=ON \
        -DORVALINE_WERROR=ON "${lanceur[@]}" >/dev/null
    cmake --build build-asan -j "$(nproc)" --target tests_core tests_shared
    (cd build-asan && ctest --output-on-failure -j "$(nproc)" -L 'core|shared')
fi
