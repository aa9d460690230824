// SPDX-License-Identifier: GPL-3.0-or-later
// The only code that knows which entries of the hand-over table carry the calendar's date,
// year span and mode.
#include "windows/calendar/echangecalendrier.h"

#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"

namespace orvaline {

namespace {
const QString marqueVue = QStringLiteral("OK");

void ouvrir(const QString& date, const QString& etendue, bool modeVue) {
    auto& p = libcalc().param_msg;
    p[1] = date;
    p[2] = etendue;
    p[3] = modeVue ? marqueVue : QString();
    FenetreCalendrier::instance().ouvrir();
}
} // namespace

std::optional<QString> choisirDateCalendrier(const QString& date, const QString& etendue) {
    ouvrir(date, etendue, false);
    const Libcalc& e = libcalc();
    if (e.annulation == 1) return std::nullopt;
    return e.param_msg[1];
}

void afficherCalendrierVue(const QString& date) {
    ouvrir(date, etendueFenetrePrincipale(), true);
}

DemandeCalendrier demandeCalendrier() {
    const auto& p = libcalc().param_msg;
    return {p[1], p[2], p[3] == marqueVue};
}

void rendreDateCalendrier(const QString& date) {
    libcalc().param_msg[1] = date;
}

} // namespace orvaline
