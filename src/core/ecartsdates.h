// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace orvaline {

// How old someone is, how long a contract ran: the time between two dates told in whole
// months and the days left over, or in whole weeks and the days left over. Unlike the
// interval counts, which count the calendar boundaries crossed, these count elapsed time.

// Whole months, then days. The months are the largest number that moves the earlier date, in
// one step and with a missing day pulled back to the month's end, to a day not after the later
// one; the days run from there to the later date. Both figures are the same whichever way
// round the dates are given; `negatif` says the end lies before the start.
struct EcartMoisJours {
    qint32 mois = 0;
    qint32 jours = 0;
    bool negatif = false;

    qint32 ans() const { return mois / 12; }
    qint32 moisRestants() const { return mois % 12; }
    friend bool operator==(const EcartMoisJours&, const EcartMoisJours&) = default;
};

struct EcartSemainesJours {
    qint32 semaines = 0;
    qint32 jours = 0; // 0 to 6
    bool negatif = false;
    friend bool operator==(const EcartSemainesJours&, const EcartSemainesJours&) = default;
};

// Both dates valid; computed in a few steps whatever the distance.
EcartMoisJours ecartMoisJours(QDate debut, QDate fin);
EcartSemainesJours ecartSemainesJours(QDate debut, QDate fin);

// In French: "35 ans, 11 mois et 21 jours", "1 mois", "0 jour", "−2 ans et 3 jours".
QString texteAnsMoisJours(const EcartMoisJours& ecart);
QString texteSemainesJours(const EcartSemainesJours& ecart);
// "1 jour", "13140 jours", "−3 jours".
QString texteJours(qint64 jours);

// An increment of the exact units as a user writes it, brought to signed months and days
// (years count 12 months, weeks 7 days).
struct IncrementExact {
    qint64 mois = 0;
    qint64 jours = 0;
    friend bool operator==(const IncrementExact&, const IncrementExact&) = default;
};

// Reads "1 an 2 mois 3 jours", "38 sem 3 j", "−1 an, 2 mois et 3 jours", in any order, with
// or without plurals, accents, dots or blanks between a number and its unit. A sign belongs to
// the part it stands before and to the parts after it until another sign. Nothing when the
// text is empty, has a number without a unit, a unit without a number or anything else.
std::optional<IncrementExact> lireIncrementExact(QStringView texte);

// The increment written back the way results are: in years, months and days, or, with
// `enSemaines`, with the days in weeks and days.
QString texteIncrementExact(const IncrementExact& increment, bool enSemaines);

// Moves a date by whole months in one step (a missing day pulled back to the month's end),
// then by the days. When the months go back, the days go back first, so that the start date
// moved by the difference to an earlier end date gives that date again. Nothing when the
// result falls outside 01/01/0100 .. 31/12/9999.
std::optional<QDate> ajouterIncrementExact(QDate depart, const IncrementExact& increment);

} // namespace orvaline
