// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace orvaline {

// The calendar window's rules that can be stated on numbers and texts: which cell of a
// six-week grid holds which day, which years the year list offers and which date it opens on.

inline constexpr int casesGrille = 42; // six weeks of seven days, Monday first

struct GrilleMois {
    int premiereCase = 1; // cell of day 1: 1 for a Monday .. 7 for a Sunday
    int nombreJours = 0;  // 28 to 31; 0 for a month that does not exist

    // The day shown in a cell (1..42), 0 for a cell before day 1 or after the last day.
    int jourEnCase(int cellule) const;
    // The cell that shows a day, 0 for a day the month lacks.
    int caseDuJour(int jour) const;
};

GrilleMois grilleMois(int annee, int mois);

struct PlageAnnees {
    int premiere = 0;
    int derniere = 0;
};

// The years of the list: ten before the start-up year to `etendue` after it (a number read
// from the text; below 1 counts as 3, above 25 as 25), widened to the year of `date` when that
// lies in the years the program computes with (0100 to 9999).
PlageAnnees plageAnnees(int anneeJour, QStringView etendue, QStringView date);

// The list never starts after the current year, and runs upwards.
PlageAnnees ordonnerAnnees(int premiere, int derniere, int anneeCourante);

// The date the calendar opens on: an empty text or one that is not a date gives today; a date
// is brought to "dd/mm/yyyy" (a day its month lacks is pulled back to the month's last day).
QString dateAOuvrir(const QString& texte, const QString& aujourdhui);

// A "dd/mm/yyyy" text read by position: day held to 1..31, month to 1..12, year kept as text.
struct DateCalendrier {
    int jour = 1;
    int mois = 1;
    QString annee;
};
DateCalendrier lireDateCalendrier(QStringView date);

} // namespace orvaline
