// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace orvaline {

// French working days. "Jours ouvrés" run Monday to Friday, "jours ouvrables" Monday to
// Saturday; both leave out the public holidays. Today's list of holidays is applied to every
// year from 100 to 9999.

enum class SorteJours { Ouvres, Ouvrables };

struct RegleJours {
    SorteJours sorte = SorteJours::Ouvres;
    bool alsacemoselle = false; // adds Good Friday and 26 December
};

struct JourFerie {
    QDate date;
    QString nom;
};

// Easter Sunday by the Gregorian computus.
QDate paques(int annee);

// The public holidays of a year in date order; Ascension may share its date with 1 or 8 May.
QList<JourFerie> joursFeries(int annee, bool alsacemoselle);

// The holiday's name as written inside a sentence ("lundi de Pâques"), both names joined when
// two fall together; "" on an ordinary day.
QString nomFerie(QDate date, bool alsacemoselle);

// The text with its first letter in capitals, for a name that opens a line or a tooltip.
QString majusculeInitiale(const QString& texte);

// A holiday written the French way, for the holidays list: "jeudi 1er janvier : jour de l’An".
QString ligneFerie(const JourFerie& ferie);

// A day as a screen reader says it, with its holiday: "vendredi 1er mai 2026, fête du Travail".
QString dateParlee(QDate date, bool alsacemoselle);

bool estJourOuvre(QDate date, RegleJours regle);

// The nth working day after the start (before it when n < 0); the start itself never counts
// and n = 0 gives it back. Nothing when the answer lies outside 01/01/0100 .. 31/12/9999.
std::optional<QDate> ajouterJoursOuvres(QDate debut, qint64 n, RegleJours regle);

// The working days d with debut < d <= fin; negative, with the roles swapped, when fin lies
// before debut. Computed from whole weeks and per-year holiday counts, never day by day.
// Both dates must lie in the years 100 to 9999.
qint64 compterJoursOuvres(QDate debut, QDate fin, RegleJours regle);

} // namespace orvaline
