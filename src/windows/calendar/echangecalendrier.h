// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace orvaline {

// What an opener hands to the calendar: the date to show, the year span of the year list
// (empty: the calendar's own span) and whether the calendar only shows the date.
struct DemandeCalendrier {
    QString date;
    QString etendue;
    bool modeVue = false;
};

// The year span the main window asks for: 25 years past the current one.
inline QString etendueFenetrePrincipale() {
    return QStringLiteral("25");
}

// Opens the calendar on a date for a date field and gives back the date chosen with Ok, or
// nothing when the user cancelled. The main window, when it is the opener, has its focus
// back first.
std::optional<QString> choisirDateCalendrier(const QString& date, const QString& etendue);

// Opens the calendar on a date in view mode: it only shows the date, nothing comes back.
void afficherCalendrierVue(const QString& date);

// The calendar's side: what the last opener asked for, and the date chosen with Ok.
DemandeCalendrier demandeCalendrier();
void rendreDateCalendrier(const QString& date);

} // namespace orvaline
