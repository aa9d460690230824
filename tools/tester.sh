#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prepares the machine, builds Orvaline and runs every test (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/preparer.sh
cd build
ctest --output-on-failure -j "$(nproc)"
