// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/joursouvres.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace orvaline {

// The units of the date calculator, in the order of the rows of its unit list.
enum class UniteDate {
    Heures,
    Jours,
    Semaines,
    Mois,
    Trimestres,
    Annees,
    JoursOuvres,
    JoursOuvrables,
    AnsMoisJours,
    SemainesJours
};

struct DescriptionUnite {
    UniteDate unite;
    QString texteLigne; // what the unit list shows
    QString code;       // the unit code the date steps take
    QString libelle;    // the short label of results and history lines
};

// One entry per row of the unit list, row 0 first.
const std::array<DescriptionUnite, 10>& tableUnites();

// The row the unit list selects when the main window opens ("Mois").
inline constexpr int ligneUniteDepart = 3;

// The unit of a row of the unit list; nullptr for -1 (nothing selected) or any other row.
const DescriptionUnite* uniteDeLigne(int ligne);

// Units from debut to fin, counting the boundaries crossed rather than elapsed fractions:
// hours are 24 per day, weeks count the Sundays after debut up to fin, months, quarters and
// years compare calendar numbers and ignore the days; working days count those after debut up
// to fin; the exact differences count the days. Negative when fin lies before debut. Both dates
// must be valid; between years 100 and 9999 every count fits in 32 bits.
qint32 compterIntervalle(QDate debut, QDate fin, UniteDate unite, bool alsacemoselle = false);

// A row's text in full words where the list shows it short (a tooltip, a screen reader), or
// its row text.
QString texteLong(const DescriptionUnite& unite);

// Whether a unit tells an exact difference (elapsed months and days, or weeks and days)
// rather than a single count.
bool estEcartExact(UniteDate unite);

// Whether a unit counts working days, and which.
std::optional<SorteJours> sorteJours(UniteDate unite);

} // namespace orvaline
