// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace orvaline {

// Dates travel as "dd/mm/yyyy" texts. These routines bring what a user typed to that form,
// check it and step it. They read day first, whatever the regional settings say.

inline constexpr int anneeMin = 100;
inline constexpr int anneeMax = 9999;

// Trims, then turns every "-", "." and "'" into "/".
void remplacerseparateurs(QString& date);

// Trims, then swaps the first two two-digit fields, keeping a time part after a blank.
void inverserjourmois(QString& date);

// Trims, then pulls a day 29, 30 or 31 that its month lacks back to the month's last day.
void corrigerjour(QString& date);

// Last day of the date's month in normal form, or "" when the text is not a date. The date
// itself is normalised in place.
QString dernierjourmois(QString& date);

// Checks a date text and rewrites it in normal form when it is one. An empty text is valid
// and stays empty. Only day/month/year is accepted: three fields, day and month of one or two
// digits, a year of two or four digits (two-digit years below 80 are in the 2000s).
bool validerdate(QString& date);

// Moves a date by a count of units ("h", "d", "ww" or "w", "m", "q", "yyyy"); months,
// quarters and years pull a missing day back to the month's last day. The date is normalised
// in place. Nothing when the text is not a date, the unit is unknown or the result falls
// outside 01/01/0100 .. 31/12/9999.
std::optional<QString> ajouterdate(QString& date, QStringView unite, qint64 nombre);

// Reads a date already in normal form ("dd/mm/yyyy").
std::optional<QDate> lireDateNormale(QStringView texte);

// Writes a date as "dd/mm/yyyy".
QString ecrireDate(QDate date);

// Long French form: "Dimanche 5 Janvier 2025"; "" for an empty text or a text that is not a
// date.
QString datelongue(QString& date);

// French names: index 0 is "Tous", then "Janvier" .. "Décembre".
const QString& nomMois(int index);

// "Lundi" .. "Dimanche" for Qt's day of week 1..7.
const QString& nomJour(int jourDeSemaine);

} // namespace orvaline
