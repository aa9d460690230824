// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/sortie.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace orvaline {

namespace {
std::vector<std::function<void()>>& routines() {
    static std::vector<std::function<void()>> liste;
    return liste;
}
} // namespace

void ajouterAvantSortie(std::function<void()> routine) {
    routines().push_back(std::move(routine));
}

void fermerappli(int statut) {
    for (const auto& routine : routines())
        routine();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    // The settings file is only ever replaced whole, so nothing is left half-written; leave
    // without tearing the windows down one by one.
    std::fflush(nullptr);
    std::_Exit(statut);
}

} // namespace orvaline
