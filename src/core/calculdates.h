// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/erreur.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace orvaline {

// The fields of the date frame that a calculation can write to or send the focus to.
enum class ChampDates { Aucun, DateDepart, Increment, ListeUnites, DateFin };

// What the date calculator reads: the field texts as they stand and the selected row of the
// unit list (-1 when none is selected).
struct EntreeCalculDates {
    QString dateDepart;
    QString increment;
    QString dateFin;
    int ligneUnite = -1;
    bool alsacemoselle = false; // working days also leave out Good Friday and 26 December
};

// What a calculation asks the window to do. Each text that has a value is written into its
// field (an empty value clears it); a field without one is left alone. The window applies
// them in this order: the start date, the end date, the result label, the history lines
// (appended, caret to the end of the box), then the message or the error report, then the
// focus. A message leaves nothing else to do; after an error the texts written so far stay.
struct ResultatCalculDates {
    std::optional<QString> dateDepart; // sais_date(1), in normal form
    std::optional<QString> dateFin;    // sais_date(2)
    std::optional<QString> calcul;     // lib_calcul
    QString ajoutHistorique;           // lines for sais_histo(2), "\n" line breaks
    QString message;                   // a notice for the message box, or ""
    std::optional<Erreur> erreur;      // for the error report "main - calculdates"
    ChampDates focus = ChampDates::Aucun;
};

inline QString titreCalculDates() {
    return QStringLiteral("Calculatrice de Dates");
}

// The module text of the error report for a failed calculation.
inline QString moduleCalculDates() {
    return QStringLiteral("main - calculdates");
}

// An increment of the exact units that does not read; its lines are joined with "\n".
inline QString messageIncrementIllisible() {
    return QStringLiteral("L'Incrément est illisible ... \n"
                          "Écrivez-le par exemple 1 an 2 mois 3 jours, ou 38 sem 3 j.");
}

enum class SensCalcul { Aucun, Ajout, Intervalle };

// An increment always wins, so a filled end date is then replaced; with only an end date the
// interval is counted; with neither there is nothing to do.
SensCalcul choisirSens(bool incrementVide, bool dateFinVide);

// The increment: the text's leading number ("." only, so "2,5" reads as 2), rounded half to
// even. Nothing when it does not fit in 32 bits.
std::optional<qint32> lireIncrement(QStringView texte);

// Turns a start date and an increment into an end date, or two dates into a number of units.
ResultatCalculDates calculdates(const EntreeCalculDates& entree);

// A click in the unit list with a start date and an increment both given recalculates the
// end date; the old one is cleared first so that it never shows beside the new unit.
bool viderFinAvantCalcul(const QString& dateDepart, const QString& increment);

// An exact difference picked with a start date but neither an increment nor an end date: its
// increment is written in words, which the number filter would have stripped, so it is typed
// after the unit is picked. The increment field takes the focus without a message.
bool incrementExactAttendu(const EntreeCalculDates& entree);

// Whether a row of the unit list takes its increment in words ("1 an 2 mois").
bool incrementEnMots(int ligneUnite);

// A unit word typed in the increment while a row that counts one unit is selected ("1 an 2
// mois" with "Mois"): the exact row that reads it, so that the words are kept rather than
// stripped to their digits. Nothing when the row already takes words or the text has none.
std::optional<int> ligneExacteDuTexte(QStringView increment, int ligneUnite);

// One day back or forward on a date field (the day-step buttons).
enum class SensPas : qint16 { Arriere = 1, Avant = 2 };

struct ResultatPasJour {
    std::optional<QString> texte; // the stepped date, caret after its last character
    bool donnerFocus = false;
};

// An empty field only takes the focus; a text that is not a date, or a step out of the range
// of dates, leaves the field and the focus alone.
ResultatPasJour pasjour(const QString& texte, SensPas sens);

} // namespace orvaline
