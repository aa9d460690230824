// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/sortie.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace orvaline {

namespace {
std::vector<std::function<void()>>& routines() {
    static std::vector<std::function<void()>> liste;
    return liste;
}

std::function<void()>& masquage() {
    static std::function<void()> routine;
    return routine;
}
} // namespace

void ajouterAvantSortie(std::function<void()> routine) {
    routines().push_back(std::move(routine));
}

void inscrireMasquage(std::function<void()> masquer) {
    masquage() = std::move(masquer);
}

void fermerappli(int statut) {
    for (const auto& routine : routines())
        routine();
    if (masquage()) masquage()();
    // The settings file is only ever replaced whole, so nothing is left half-written; leave
    // without tearing the windows down one by one.
    std::fflush(nullptr);
    std::_Exit(statut);
}

} // namespace orvaline
