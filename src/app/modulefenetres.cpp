// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modulefenetres.h"

#include "windows/startup/demarrerfenetres.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

namespace orvaline {

const char* dossierProgramme() {
    static const std::string dossier = [] {
        char chemin[PATH_MAX];
        const ssize_t taille = ::readlink("/proc/self/exe", chemin, sizeof chemin - 1);
        if (taille <= 0) return std::string();
        std::string texte(chemin, std::size_t(taille));
        return texte.substr(0, texte.rfind('/'));
    }();
    return dossier.c_str();
}

int ouvrirFenetres(int argc, char* argv[]) {
    using Entree = int (*)(int, char**);
    const std::string programme = dossierProgramme();
    const std::string dossiers[] = {programme, programme + '/' + ORVALINE_DOSSIER_MODULES};
    std::string erreur;
    for (const std::string& dossier : dossiers) {
        // The module's classes and resources live until the program ends: never unloaded.
        void* module = ::dlopen((dossier + "/liborvaline_fenetres.so").c_str(), RTLD_NOW);
        if (!module) {
            if (const char* raison = ::dlerror(); raison && erreur.empty()) erreur = raison;
            continue;
        }
        if (auto* entree = reinterpret_cast<Entree>(::dlsym(module, orvaline_symbole_fenetres)))
            return entree(argc, argv);
        if (const char* raison = ::dlerror()) erreur = raison;
    }
    std::fprintf(stderr,
                 "orvaline : le module des fenêtres (liborvaline_fenetres.so) est introuvable ou "
                 "ne se charge pas : %s\n",
                 erreur.c_str());
    return 1;
}

} // namespace orvaline
