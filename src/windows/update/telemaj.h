// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/common/fenetremodale.h"

#include <array>
#include <functional>

class QLabel;

namespace orvaline {

class BoutonXp;

// The update window: shows the installed version and, once the user confirms, starts the
// browser on the newest installer and ends the program, so that the installer can replace it.
class TeleMaj : public FenetreModale {
    Q_OBJECT
public:
    static TeleMaj& instance();

    // The load; it runs at every showing.
    void charger() override;

    // Click of com_commandes(k): 1 downloads, 2 closes.
    void commande(int k);

    // The way out after the browser has started; tests put an observer in its place.
    std::function<void()> sortie;

private:
    TeleMaj();

    QLabel* lib_version = nullptr;
    std::array<BoutonXp*, 3> com_commandes{};
};

} // namespace orvaline
