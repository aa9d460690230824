#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prepares the machine, builds Orvaline and runs every test (no display needed). In CI, the
# core and shared tests run a second time under the address and undefined-behaviour
# sanitizers, in a build folder of their own (build-asan). Last, the style check.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/commun.sh
bash tools/preparer.sh
# The benchmark's programs are not part of the default build: built here, they cannot drift.
cmake --build build --target banc fenetrenue coeurnu -j "$(nproc)"
# Everything written from here on must stay in build/ or in a temporary folder.
marque=$(mktemp)
trap 'rm -f "$marque"' EXIT
sleep 1
ctest --preset default -j "$(nproc)"
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
# Layout and lint: a drift fails the run.
bash tools/verifier-style.sh build
if [ -n "${CI:-}" ]; then
    cmake --preset asan -DORVALINE_WERROR=ON "${lanceur_ccache[@]}" >/dev/null
    cmake --build --preset asan -j "$(nproc)"
    ctest --preset asan -j "$(nproc)"
fi
