// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialoguefichier.h"

namespace orvaline {

class DialogueFichierQt : public DialogueFichier {
public:
    std::optional<QString> ouvrir(QWidget* parent, const DemandeFichier& demande) override;
    std::optional<QString> enregistrer(QWidget* parent, const DemandeFichier& demande) override;
};

} // namespace orvaline
