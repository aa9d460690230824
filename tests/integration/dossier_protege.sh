#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An ordinary user starts a copy of Orvaline installed in a folder they cannot write to, with
# no settings file anywhere: the program must come up and keep its settings in the user's
# configuration folder.
#   dossier_protege.sh PROGRAM           the program copied alone into a read-only folder
#   dossier_protege.sh --paquet BUILD    cpack's Debian package, unpacked with dpkg -x and
#                                        started by the user and by root; it must also pass
#                                        lintian and carry a hardened program
# Needs root (to act as another user) and setpriv, and for the package cpack, dpkg-deb,
# dpkg-shlibdeps, lintian and readelf; skipped (77) otherwise.
set -u
[ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null || exit 77
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

# demarrer_jusqu_aux_reglages INI JOURNAL COMMAND...: waits until the program has written INI
# (up to 60 s: a first start builds the font caches of a fresh home), then ends it. Fails
# when it stopped by itself or wrote no INI.
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
    [ -f "$ini" ] || { echo "pas de fichier de réglages dans $ini"; return 1; }
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
    # No lintian error or warning (the information lines on French words may stay), and the
    # hardening of the build flags.
    lintian --tag-display-limit 0 "$paquet" >"$travail/lintian.log" 2>/dev/null
    if grep -E '^[EW]: ' "$travail/lintian.log"; then echo "lintian refuse le paquet"; exit 1; fi
    elf() { readelf -W $1 "$programme" | grep -Eq "$2" || { echo "$3"; exit 1; }; }
    elf -h 'Type: *DYN' "programme non PIE"
    elf -d 'FLAGS_1.*NOW.*PIE' "liaison immédiate absente"
    elf -l GNU_RELRO "RELRO absent"
    elf "-s --dyn-syms" __stack_chk_fail "pile non protégée"
    elf "-s --dyn-syms" '__[a-z]+_chk@' "FORTIFY absent"
    for f in usr/share/applications/orvaline.desktop usr/share/man/man1/orvaline.1.gz \
        usr/share/doc/orvaline/copyright usr/share/doc/orvaline/changelog.gz \
        usr/share/icons/hicolor/256x256/apps/orvaline.png \
        usr/share/bash-completion/completions/orvaline; do
        [ -f "$travail/racine/$f" ] || { echo "$f manque dans le paquet"; exit 1; }
    done
    # A calculation reads the settings of an installed copy from the configuration folder, and
    # creates nothing there.
    mkdir -p "$travail/vide"
    [ "$(env HOME="$travail/vide" XDG_CONFIG_HOME="$travail/vide/config" \
        "$programme" -c "31/01/2024 + 1 mois")" = 29/02/2024 ] ||
        { echo "--calcul ne répond pas"; exit 1; }
    [ -z "$(ls -A "$travail/vide")" ] || { echo "--calcul a écrit : $(ls -A "$travail/vide")"; exit 1; }

    # Started by root, it keeps its settings in root's configuration folder too, and writes
    # nothing into the system folders.
    mkdir -p "$travail/root"
    find "$travail/racine" -print | sort >"$travail/avant.txt"
    demarrer_jusqu_aux_reglages "$travail/root/.config/Orvaline/Orvaline.ini" "$travail/root.log" \
        env HOME="$travail/root" XDG_RUNTIME_DIR="$travail/root" \
        XDG_CONFIG_HOME="$travail/root/.config" QT_QPA_PLATFORM=offscreen "$programme" || exit 1
    find "$travail/racine" -print | sort >"$travail/apres.txt"
    diff "$travail/avant.txt" "$travail/apres.txt" ||
        { echo "root : fichiers écrits dans le paquet installé"; exit 1; }
else
    mkdir -p "$travail/bin"
    cp "$1" "$travail/bin/orvaline"
    # The windows' module goes with the program, as in a portable copy.
    cp "$(dirname "$1")/liborvaline_fenetres.so" "$travail/bin/"
    chmod 755 "$travail/bin" "$travail/bin/orvaline" "$travail/bin/liborvaline_fenetres.so"
    programme="$travail/bin/orvaline"
fi

ini="$travail/maison/.config/Orvaline/Orvaline.ini"
demarrer_jusqu_aux_reglages "$ini" "$travail/sortie.log" \
    env HOME="$travail/maison" XDG_RUNTIME_DIR="$travail/maison" \
    XDG_CONFIG_HOME="$travail/maison/.config" QT_QPA_PLATFORM=offscreen \
    setpriv --reuid=65534 --regid=65534 --clear-groups "$programme" || exit 1
if [ -e "$(dirname "$programme")/Orvaline.ini" ]; then echo "réglages écrits à côté du programme"; exit 1; fi
grep -q '^Saisdate=1' "$ini" || { echo "réglages incomplets :"; cat "$ini"; exit 1; }
echo "réglages dans le dossier de configuration : ok"
