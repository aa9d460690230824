#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the last commit twice, from two clones in two differently named
# folders, and compares the two .deb files byte for byte. Prints their sha256 sums.
set -euo pipefail
cd "$(dirname "$0")/.."
travail=$(mktemp -d)
# Kept when the packages differ, for a look at what differs.
trap '[ -n "${garder:-}" ] || rm -rf "$travail"' EXIT
commit=$(git rev-parse HEAD)
for n in premier second-dossier; do
    git clone -q . "$travail/$n"
    git -C "$travail/$n" checkout -q "$commit"
    cmake -S "$travail/$n" -B "$travail/$n/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$travail/$n/build" -j "$(nproc)" >/dev/null
    (cd "$travail/$n/build" && cpack -G DEB -B "$travail/$n/paquet" >/dev/null 2>&1)
done
(cd "$travail" && sha256sum premier/paquet/*.deb second-dossier/paquet/*.deb)
if cmp "$travail"/premier/paquet/*.deb "$travail"/second-dossier/paquet/*.deb; then
    echo "Les deux paquets sont identiques."
else
    echo "Les deux paquets diffèrent ; les deux constructions restent dans $travail."
    garder=1
    exit 1
fi
