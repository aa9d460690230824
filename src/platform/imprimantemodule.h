// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/imprimante.h"

namespace orvaline {

// Loads the print module beside the program (or where it is installed) on first use.
class ImprimanteModule : public Imprimante {
public:
    std::optional<QString> imprimer(QWidget* parent, const QString& titre,
                                    const QString& texte) override;
};

} // namespace orvaline
