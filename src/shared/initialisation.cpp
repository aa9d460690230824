// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/initialisation.h"

#include "core/textesdates.h"
#include "shared/libcalc.h"
#include "shared/reglages.h"
#include "shared/verifications.h"

#include <QCoreApplication>
#include <QDate>

namespace orvaline {

void initialisation() {
    Libcalc& e = libcalc();
    e.saut_ligne = QStringLiteral("\r\n");
    QString dossier = QCoreApplication::applicationDirPath();
    if (dossier.endsWith(u'/')) dossier.chop(1);
    e.chemin_appli = dossier;
    verifierwindows();
    for (int i = 0; i <= 12; ++i)
        e.noms_mois[std::size_t(i)] = nomMois(i);
    e.separateur_date = QStringLiteral("/");
    e.format_date = QStringLiteral("dd/mm/yyyy");
    verifierordredate();
    const QDate aujourdhui = QDate::currentDate();
    e.date_jour = ecrireDate(aujourdhui);
    e.annee_jour = QString::number(aujourdhui.year());
    verifiersymboledecimal();
    reglages().reinitialiser();
}

} // namespace orvaline
