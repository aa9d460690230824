// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar opened from the main window: to choose a date for a date field, or to look at
// today's month from the "Fichier" menu.
#include "windows/main/fenetreprincipale.h"

#include "core/textesdates.h"
#include "shared/fenetres.h"
#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/boutonxp.h"
#include "windows/common/champsaisie.h"

#include <QDate>

namespace orvaline {

void FenetrePrincipale::connecterCalendrier() {
    for (int i = 1; i <= 2; ++i)
        connect(com_calendrier[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { choisirDate(i); });
}

void FenetrePrincipale::choisirDate(int index) {
    ChampSaisie* champ = sais_date[std::size_t(index)];
    Libcalc& e = libcalc();
    e.param_msg[1] = champ->text();
    e.param_msg[2] = QStringLiteral("25");
    e.param_msg[3] = QString();
    FenetreCalendrier::instance().executer();
    retourModal();
    if (e.annulation != 1) champ->setText(e.param_msg[1]);
    donnerfocus(champ);
}

void FenetrePrincipale::afficherCalendrier() {
    Libcalc& e = libcalc();
    e.param_msg[1] = ecrireDate(QDate::currentDate());
    e.param_msg[2] = QStringLiteral("25");
    e.param_msg[3] = QStringLiteral("OK");
    FenetreCalendrier::instance().executer();
    retourModal();
}

} // namespace orvaline
