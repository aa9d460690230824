#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An ordinary user starts a copy of Orvaline installed in a folder they cannot write to, with
# no settings file anywhere: the program must come up and keep its settings in the user's
# configuration folder. Needs root (to act as another user) and setpriv; skipped otherwise.
set -u
programme=$1
[ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null || exit 77
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
chmod 755 "$travail"
mkdir -p "$travail/bin" "$travail/maison"
cp "$programme" "$travail/bin/orvaline"
chmod 755 "$travail/bin" "$travail/bin/orvaline"
chown 65534:65534 "$travail/maison"
chmod 700 "$travail/maison"

HOME="$travail/maison" XDG_RUNTIME_DIR="$travail/maison" XDG_CONFIG_HOME="$travail/maison/.config" \
    QT_QPA_PLATFORM=offscreen \
    timeout 6 setpriv --reuid=65534 --regid=65534 --clear-groups "$travail/bin/orvaline" \
    >"$travail/sortie.log" 2>&1
code=$?
# timeout ends a program that was still running normally with 124.
if [ "$code" -ne 124 ]; then
    echo "Orvaline s'est arrêté (code $code) :"; cat "$travail/sortie.log"; exit 1
fi
ini="$travail/maison/.config/Orvaline/Orvaline.ini"
if [ ! -f "$ini" ]; then echo "pas de fichier de réglages dans $ini"; exit 1; fi
if [ -e "$travail/bin/Orvaline.ini" ]; then echo "réglages écrits à côté du programme"; exit 1; fi
grep -q '^Saisdate=1' "$ini" || { echo "réglages incomplets :"; cat "$ini"; exit 1; }
echo "réglages dans le dossier de configuration : ok"
