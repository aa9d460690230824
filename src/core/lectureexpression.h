// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculatricetemps.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace orvaline {

// A calculation written on one line, as a terminal user types it: "15/12/1990 + 3 mois",
// "01/05/2026 .. 31/05/2026 en jours ouvrés", "2 j 03:20 x 3", "fériés 2026". The reader only
// brings the line to the texts and the unit row the calculators take; they compute.

enum class SorteExpression {
    Date,       // a date alone: told in words
    Ajout,      // a date moved by an increment
    Intervalle, // two dates: the exact difference, or a count in one unit
    Duree,      // two durations, or a duration and a number
    Feries      // a year's public holidays
};

// A duration as the time calculator's four fields take it: days, hours, minutes, seconds.
using ChampsDuree = std::array<QString, 4>;

struct ExpressionLue {
    SorteExpression sorte = SorteExpression::Date;
    QString date;        // the (first) date, "dd/mm/yyyy"
    QString dateFin;     // Intervalle: the second date
    int ligneUnite = -1; // the unit list's row; Intervalle without "en": the exact difference
    QString increment;   // Ajout: as the increment field takes it, its sign in front
    ChampsDuree duree;   // Duree: the first duration
    ChampsDuree duree2;  // the second one, for "+" and "-"
    QString nombre;      // the number, for "x" and "/"
    Operation operation = Operation::Aucune;
    int annee = 0; // Feries
};

// The expression, or the French reason it does not read ("la date 31/13/2025 n'existe pas").
struct LectureExpression {
    std::optional<ExpressionLue> expression;
    QString erreur;
};

// Longer lines are refused before any reading.
inline constexpr qsizetype longueurExpressionMax = 1000;

// "aujourd'hui" stands for `aujourdhui`. Dates are written as the date fields accept them
// (day first, "/", "-", "." or "'" between the fields, a year of two or four digits) or in
// ISO form ("1990-12-15").
LectureExpression lireExpression(QStringView texte, QDate aujourdhui);

// The row of the unit list that a word names ("mois", "j", "jours ouvrés", "ans"), accents
// and capitals aside; -1 for any other word. Only the eight single-count rows are named.
int ligneDeMot(QStringView mot);

} // namespace orvaline
