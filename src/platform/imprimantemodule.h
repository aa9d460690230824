// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/imprimante.h"

#include <QStringList>

namespace orvaline {

// Loads the print module on first use, from the first of `dossiers` that holds it: by
// default beside the program (a build or a portable copy), then where the package installs
// it.
class ImprimanteModule : public Imprimante {
public:
    ImprimanteModule();
    explicit ImprimanteModule(QStringList dossiers);
    ResultatImpression imprimer(QWidget* parent, const TravailImpression& travail) override;

private:
    using FonctionImprimer = void (*)(QWidget*, const TravailImpression&, ResultatImpression&);
    FonctionImprimer charger(QString& erreur);

    QStringList m_dossiers;
    FonctionImprimer m_fonction = nullptr;
};

} // namespace orvaline
