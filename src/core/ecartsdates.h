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

// Whole months, then days, counted from the start towards the end. The months are the largest
// number that moves the start, in one step and with a missing day pulled back to the month's
// end, without passing the end; the days run from there to the end. So the start moved by the
// difference always gives the end, forwards or backwards. At month ends the figures may differ
// with the dates swapped (31/01 -> 28/02 is a month, 28/02 -> 31/01 is 28 days back);
// `negatif` says the end lies before the start.
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

// Why an increment was refused: a text that does not read, or a part (or the whole) longer
// than the calendar, which no date could be moved by.
enum class RefusIncrement { Illisible, HorsCalendrier };

struct LectureIncrement {
    std::optional<IncrementExact> increment;
    RefusIncrement refus = RefusIncrement::Illisible; // when there is no increment
};

// Reads "1 an 2 mois 3 jours", "38 sem 3 j", "−1 an, 2 mois et 3 jours", in any order, with
// or without plurals, accents, dots or blanks between a number and its unit; numbers in the
// digits 0 to 9. A sign belongs to the part it stands before and to the parts after it until
// another sign, as the writer below puts them. Refused: an empty text, a number without a unit,
// a unit without a number, an "et" that joins nothing, anything else, and a part beyond the
// calendar's range (never cut down to fit).
LectureIncrement lectureIncrementExact(QStringView texte);
std::optional<IncrementExact> lireIncrementExact(QStringView texte);

// The increment written back the way results are: in years, months and days, or, with
// `enSemaines`, with the days in weeks and days. A sign is written where it changes: "−" before
// the first negative part, "+" before a positive part that follows a negative one
// ("−1 mois et +2 jours"), so that the text reads back as the same increment.
QString texteIncrementExact(const IncrementExact& increment, bool enSemaines);

// Moves a date by whole months in one step (a missing day pulled back to the month's end),
// then by the days, whatever their signs. Nothing when the result falls outside
// 01/01/0100 .. 31/12/9999.
std::optional<QDate> ajouterIncrementExact(QDate depart, const IncrementExact& increment);

// Which exact unit the first unit word of a typed text belongs to ("3 sem" weeks, "1 an",
// "2 mois", "5 j" years, months and days); nothing when no letters there make a unit word.
enum class SorteIncrement { AnsMoisJours, SemainesJours };
std::optional<SorteIncrement> sorteDuPremierMot(QStringView texte);

} // namespace orvaline
