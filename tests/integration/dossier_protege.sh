#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An ordinary user starts a copy of Orvaline installed in a folder they cannot write to, with
# no settings file anywhere: the program must come up and keep its settings in the user's
# configuration folder.
#   dossier_protege.sh PROGRAM           the program copied alone into a read-only folder
#   dossier_protege.sh --paquet BUILD    the Debian package made by cpack in BUILD, unpacked
#                                        with dpkg -x, started from its usr/bin
# Needs root (to act as another user) and setpriv, and for the package cpack, dpkg-deb and
# dpkg-shlibdeps; skipped (77) otherwise.
set -u
[ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null || exit 77
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
chmod 755 "$travail"
mkdir -p "$travail/maison"
chown 65534:65534 "$travail/maison"
chmod 700 "$travail/maison"

if [ "$1" = --paquet ]; then
    for t in cpack dpkg-deb dpkg-shlibdeps file; do command -v $t >/dev/null || exit 77; done
    cpack -G DEB --config "$2/CPackConfig.cmake" -B "$travail/paquet" >"$travail/cpack.log" 2>&1 ||
        { echo "cpack a échoué :"; cat "$travail/cpack.log"; exit 1; }
    paquet=$(ls "$travail"/paquet/orvaline_*_*.deb 2>/dev/null | head -n 1)
    [ -n "$paquet" ] || { echo "pas de paquet orvaline_<version>_<arch>.deb"; exit 1; }
    dpkg-deb --field "$paquet" Depends | grep -q libqt6widgets6 ||
        { echo "dépendances incomplètes : $(dpkg-deb --field "$paquet" Depends)"; exit 1; }
    dpkg -x "$paquet" "$travail/racine"
    chmod -R go-w "$travail/racine"
    programme="$travail/racine/usr/bin/orvaline"
    for f in usr/share/applications/orvaline.desktop usr/share/man/man1/orvaline.1.gz \
        usr/share/icons/hicolor/256x256/apps/orvaline.png; do
        [ -f "$travail/racine/$f" ] || { echo "$f manque dans le paquet"; exit 1; }
    done
    "$programme" --version | grep -qx "Orvaline [0-9.]*" ||
        { echo "--version ne répond pas"; exit 1; }
else
    mkdir -p "$travail/bin"
    cp "$1" "$travail/bin/orvaline"
    chmod 755 "$travail/bin" "$travail/bin/orvaline"
    programme="$travail/bin/orvaline"
fi

HOME="$travail/maison" XDG_RUNTIME_DIR="$travail/maison" XDG_CONFIG_HOME="$travail/maison/.config" \
    QT_QPA_PLATFORM=offscreen \
    timeout 6 setpriv --reuid=65534 --regid=65534 --clear-groups "$programme" \
    >"$travail/sortie.log" 2>&1
code=$?
# timeout ends a program that was still running normally with 124.
if [ "$code" -ne 124 ]; then
    echo "Orvaline s'est arrêté (code $code) :"; cat "$travail/sortie.log"; exit 1
fi
ini="$travail/maison/.config/Orvaline/Orvaline.ini"
if [ ! -f "$ini" ]; then echo "pas de fichier de réglages dans $ini"; exit 1; fi
if [ -e "$(dirname "$programme")/Orvaline.ini" ]; then echo "réglages écrits à côté du programme"; exit 1; fi
grep -q '^Saisdate=1' "$ini" || { echo "réglages incomplets :"; cat "$ini"; exit 1; }
echo "réglages dans le dossier de configuration : ok"
