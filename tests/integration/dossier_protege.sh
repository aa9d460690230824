#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An ordinary user starts a copy of Orvaline installed in a folder they cannot write to, with
# no settings file anywhere: the program must come up and keep its settings in the user's
# configuration folder.
#   dossier_protege.sh PROGRAM           the program copied alone into a read-only folder
#   dossier_protege.sh --paquet BUILD    the Debian package made by cpack in BUILD, unpacked
#                                        with dpkg -x, started from its usr/bin, by the user
#                                        and by root; the package must pass lintian and carry
#                                        a hardened program
# Needs root (to act as another user) and setpriv, and for the package cpack, dpkg-deb,
# dpkg-shlibdeps, lintian and readelf; skipped (77) otherwise.
set -u
[ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null || exit 77
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

# Starts the program (the command given), waits until it has written the settings file INI
# (up to 60 s: a first start builds the font caches of a fresh home), then ends it. Fails
# when it stopped by itself before that.
demarrer_jusqu_aux_reglages() {
    local ini=$1 journal=$2
    shift 2
    "$@" >"$journal" 2>&1 &
    local pid=$! attente=0
    while [ ! -f "$ini" ] && [ $attente -lt 600 ] && kill -0 $pid 2>/dev/null; do
        sleep 0.1
        attente=$((attente + 1))
    done
    sleep 0.5
    if ! kill -0 $pid 2>/dev/null; then
        wait $pid
        echo "Orvaline s'est arrêté (code $?) :"; cat "$journal"; return 1
    fi
    kill $pid; wait $pid 2>/dev/null
    return 0
}
chmod 755 "$travail"
mkdir -p "$travail/maison"
chown 65534:65534 "$travail/maison"
chmod 700 "$travail/maison"

if [ "$1" = --paquet ]; then
    for t in cpack dpkg-deb dpkg-shlibdeps file lintian readelf; do
        command -v $t >/dev/null || exit 77
    done
    cpack -G DEB --config "$2/CPackConfig.cmake" -B "$travail/paquet" >"$travail/cpack.log" 2>&1 ||
        { echo "cpack a échoué :"; cat "$travail/cpack.log"; exit 1; }
    paquet=$(ls "$travail"/paquet/orvaline_*_*.deb 2>/dev/null | head -n 1)
    [ -n "$paquet" ] || { echo "pas de paquet orvaline_<version>_<arch>.deb"; exit 1; }
    dpkg-deb --field "$paquet" Depends | grep -q libqt6widgets6 ||
        { echo "dépendances incomplètes : $(dpkg-deb --field "$paquet" Depends)"; exit 1; }
    dpkg -x "$paquet" "$travail/racine"
    chmod -R go-w "$travail/racine"
    programme="$travail/racine/usr/bin/orvaline"
    # What a distribution asks of a package: no lintian error or warning (the information
    # lines on French words may stay), and the hardening of its build flags.
    lintian --tag-display-limit 0 "$paquet" >"$travail/lintian.log" 2>/dev/null
    if grep -E '^[EW]: ' "$travail/lintian.log"; then echo "lintian refuse le paquet"; exit 1; fi
    elf="$travail/racine/usr/bin/orvaline"
    readelf -h "$elf" | grep -q 'Type: *DYN' || { echo "programme non PIE"; exit 1; }
    readelf -d "$elf" | grep -q 'FLAGS_1.*NOW.*PIE' || { echo "liaison immédiate absente"; exit 1; }
    readelf -lW "$elf" | grep -q GNU_RELRO || { echo "RELRO absent"; exit 1; }
    readelf -sW --dyn-syms "$elf" | grep -q '__stack_chk_fail' || { echo "pile non protégée"; exit 1; }
    readelf -sW --dyn-syms "$elf" | grep -Eq '__[a-z]+_chk@' || { echo "FORTIFY absent"; exit 1; }
    for f in usr/share/applications/orvaline.desktop usr/share/man/man1/orvaline.1.gz \
        usr/share/doc/orvaline/copyright usr/share/doc/orvaline/changelog.gz \
        usr/share/icons/hicolor/256x256/apps/orvaline.png \
        usr/share/bash-completion/completions/orvaline; do
        [ -f "$travail/racine/$f" ] || { echo "$f manque dans le paquet"; exit 1; }
    done
    "$programme" --version | grep -qx "Orvaline [0-9.]*" ||
        { echo "--version ne répond pas"; exit 1; }
    # A calculation reads the settings of an installed copy from the configuration folder, and
    # creates nothing there.
    mkdir -p "$travail/vide"
    [ "$(env HOME="$travail/vide" XDG_CONFIG_HOME="$travail/vide/config" \
        "$programme" -c "31/01/2024 + 1 mois")" = 29/02/2024 ] ||
        { echo "--calcul ne répond pas"; exit 1; }
    [ -z "$(ls -A "$travail/vide")" ] || { echo "--calcul a écrit : $(ls -A "$travail/vide")"; exit 1; }
else
    mkdir -p "$travail/bin"
    cp "$1" "$travail/bin/orvaline"
    # The windows' module goes with the program, as in a portable copy.
    cp "$(dirname "$1")/liborvaline_fenetres.so" "$travail/bin/"
    chmod 755 "$travail/bin" "$travail/bin/orvaline" "$travail/bin/liborvaline_fenetres.so"
    programme="$travail/bin/orvaline"
fi

# An installed program started by root keeps its settings in root's configuration folder
# too, and writes nothing into the system folders.
if [ "$1" = --paquet ]; then
    mkdir -p "$travail/root"
    find "$travail/racine" -print | sort >"$travail/avant.txt"
    demarrer_jusqu_aux_reglages "$travail/root/.config/Orvaline/Orvaline.ini" "$travail/root.log" \
        env HOME="$travail/root" XDG_RUNTIME_DIR="$travail/root" \
        XDG_CONFIG_HOME="$travail/root/.config" QT_QPA_PLATFORM=offscreen "$programme" || exit 1
    [ -f "$travail/root/.config/Orvaline/Orvaline.ini" ] ||
        { echo "root : pas de réglages dans son dossier de configuration"; exit 1; }
    find "$travail/racine" -print | sort >"$travail/apres.txt"
    if ! cmp -s "$travail/avant.txt" "$travail/apres.txt"; then
        echo "root : fichiers écrits dans le paquet installé :"
        diff "$travail/avant.txt" "$travail/apres.txt"; exit 1
    fi
fi

ini="$travail/maison/.config/Orvaline/Orvaline.ini"
demarrer_jusqu_aux_reglages "$ini" "$travail/sortie.log" \
    env HOME="$travail/maison" XDG_RUNTIME_DIR="$travail/maison" \
    XDG_CONFIG_HOME="$travail/maison/.config" QT_QPA_PLATFORM=offscreen \
    setpriv --reuid=65534 --regid=65534 --clear-groups "$programme" || exit 1
if [ ! -f "$ini" ]; then echo "pas de fichier de réglages dans $ini"; exit 1; fi
if [ -e "$(dirname "$programme")/Orvaline.ini" ]; then echo "réglages écrits à côté du programme"; exit 1; fi
grep -q '^Saisdate=1' "$ini" || { echo "réglages incomplets :"; cat "$ini"; exit 1; }
echo "réglages dans le dossier de configuration : ok"
