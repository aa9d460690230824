#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the menu entry and the software-centre metadata with the desktop's own validators:
# desktop-file-validate and appstreamcli (no network). Needs a configured build folder
# (default build/), where the menu entry and the metadata are written. Fails on any error.
set -euo pipefail
cd "$(dirname "$0")/.."
construction=${1:-build}
metadonnees=$(ls "$construction"/*.metainfo.xml)
echo "desktop-file-validate orvaline.desktop"
desktop-file-validate "$construction"/orvaline.desktop
echo "appstreamcli validate --no-net $(basename "$metadonnees")"
appstreamcli validate --no-net "$metadonnees"
