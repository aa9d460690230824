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

# Runs the program with no display of any kind; the answer must come at once.
lancer() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$dossier" \
        XDG_CONFIG_HOME="$dossier/config" XDG_RUNTIME_DIR="$dossier" \
        timeout 10 "$programme" "$@" >"$dossier/sortie" 2>"$dossier/erreurs"
}

# attendre <code> <option> <motif de la sortie standard>
attendre() {
    local code=0
    lancer "$2" || code=$?
    if [ "$code" -ne "$1" ]; then
        echo "$2 : code de sortie $code au lieu de $1"
        cat "$dossier/erreurs"
        echec=1
    elif ! grep -qxF -- "$3" "$dossier/$4"; then
        echo "$2 : « $3 » manque dans :"
        cat "$dossier/$4"
        echec=1
    fi
}

attendre 0 --version "Orvaline $version" sortie
attendre 0 -v "Orvaline $version" sortie
attendre 0 --help "Utilisation : orvaline [options]" sortie
attendre 0 --help "  -v, --version     Affiche la version et quitte." sortie
attendre 0 -h "  -h, --help        Affiche cette aide et quitte." sortie
attendre 2 --inconnue "Essayez « orvaline --help »." erreurs
exit "$echec"
