// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reglescalendrier.h"

#include "core/nombres.h"
#include "core/textesdates.h"

#include <QDate>
#include <algorithm>
#include <utility>

namespace orvaline {

int GrilleMois::jourEnCase(int cellule) const {
    const int jour = cellule - premiereCase + 1;
    return (jour >= 1 && jour <= nombreJours) ? jour : 0;
}

int GrilleMois::caseDuJour(int jour) const {
    return (jour >= 1 && jour <= nombreJours) ? jour + premiereCase - 1 : 0;
}

GrilleMois grilleMois(int annee, int mois) {
    const QDate premier(annee, mois, 1);
    if (!premier.isValid()) return {};
    // Qt counts Monday as 1 and Sunday as 7, as the grid does.
    return {premier.dayOfWeek(), premier.daysInMonth()};
}

PlageAnnees plageAnnees(int anneeJour, QStringView etendue, QStringView date) {
    int annees = lireEntier16(etendue);
    if (annees < 1) annees = 3;
    if (annees > 25) annees = 25;
    PlageAnnees p{anneeJour - 10, anneeJour + annees};
    if (!date.trimmed().isEmpty()) {
        const int annee = lireEntier16(date.trimmed().right(4));
        // Any year the program can compute with is offered, so the date handed over is the
        // date shown and the date given back.
        if (annee >= anneeMin && annee <= anneeMax) {
            p.premiere = std::min(p.premiere, annee);
            p.derniere = std::max(p.derniere, annee);
        }
    }
    return p;
}

PlageAnnees ordonnerAnnees(int premiere, int derniere, int anneeCourante) {
    if (anneeCourante < premiere) premiere = anneeCourante;
    if (derniere < premiere) std::swap(premiere, derniere);
    return {premiere, derniere};
}

QString dateAOuvrir(const QString& texte, const QString& aujourdhui) {
    QString date = texte.trimmed();
    if (!date.isEmpty() && validerdate(date)) return date;
    return aujourdhui;
}

DateCalendrier lireDateCalendrier(QStringView date) {
    DateCalendrier d;
    d.jour = std::clamp(int(lireEntier16(date.mid(0, 2))), 1, 31);
    d.mois = std::clamp(int(lireEntier16(date.mid(3, 2))), 1, 12);
    d.annee = date.mid(6, 4).toString();
    return d;
}

} // namespace orvaline
