// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/connexion.h"

namespace orvaline {

// Asks the system's network manager when one answers; otherwise a network interface that is
// up, running, not a loopback and holds an address counts as connected.
class ConnexionSysteme : public Connexion {
public:
    bool connecte() override;
};

} // namespace orvaline
