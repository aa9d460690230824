#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# --help and --version answer in the terminal with no display at all, and a wrong option is
# refused there too. Usage: ligne_de_commande.sh <program> <version>
set -uo pipefail
programme="$1"
version="$2"
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
echec=0

# attendre <code> <option> <line expected> <sortie|erreurs>: run with no display of any kind,
# the answer must come at once.
attendre() {
    local code=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$dossier" \
        XDG_CONFIG_HOME="$dossier/config" XDG_RUNTIME_DIR="$dossier" \
        timeout 10 "$programme" "$2" >"$dossier/sortie" 2>"$dossier/erreurs" || code=$?
    if [ "$code" -ne "$1" ] || ! grep -qxF -- "$3" "$dossier/$4"; then
        echo "$2 : code de sortie $code (attendu $1), « $3 » attendu dans :"
        cat "$dossier/sortie" "$dossier/erreurs"
        echec=1
    fi
}

attendre 0 --version "Orvaline $version" sortie
attendre 0 -v "Orvaline $version" sortie
attendre 0 --help "Utilisation : orvaline [options]" sortie
attendre 0 -h "Utilisation : orvaline [options]" sortie
attendre 2 --inconnue "Essayez « orvaline --help »." erreurs
exit "$echec"
