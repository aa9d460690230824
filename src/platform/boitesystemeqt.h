// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/boitesysteme.h"

class QWidget;

namespace orvaline {

class BoiteSystemeQt : public BoiteSysteme {
public:
    Reponse afficher(Icone icone, const QString& titre, const QString& texte,
                     Boutons boutons) override;
    void afficherSeule(Icone icone, const QString& titre, const QString& texte) override;

private:
    static Reponse montrer(QWidget* parent, Icone icone, const QString& titre, const QString& texte,
                           Boutons boutons);
};

} // namespace orvaline
