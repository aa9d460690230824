#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prepares the machine, builds Orvaline and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/preparer.sh
exec ./build/orvaline
