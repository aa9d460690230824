// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/textebande.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace orvaline {

// The journal of a run: what the tape and the history hold, kept as a file of records that
// are only ever appended, so that a run that ends abnormally can be taken up again.
//
// The file starts with the line "Orvaline journal 1". Each record then reads
//   <op><which> <length> <check>:<bytes>\n
// op "+" appends the bytes (UTF-8) to the text, "0" empties it; which is "B" for the tape,
// "H" for the history; length counts the bytes; check is their CRC-16 in four hex digits.
// A record is written in one piece; the check tells a torn one from a whole one.

struct ContenuJournal {
    QString bande;
    QString historique;

    bool vide() const { return bande.isEmpty() && historique.isEmpty(); }
    friend bool operator==(const ContenuJournal&, const ContenuJournal&) = default;
};

enum class EtatJournal {
    Lu,           // every record read
    FinAbimee,    // the records up to a damaged one were read (a power cut tears the last)
    Illisible,    // not a journal at all
    AutreVersion, // a journal of another version of the program
};

struct LectureJournal {
    EtatJournal etat = EtatJournal::Illisible;
    ContenuJournal contenu;
};

// The first line of every journal.
QByteArray enteteJournal();
// One record appending `texte` to the tape or the history.
QByteArray enregistrementAjout(Releve releve, QStringView texte);
// One record emptying the tape or the history.
QByteArray enregistrementEffacement(Releve releve);
// A whole journal that holds `contenu`.
QByteArray journalComplet(const ContenuJournal& contenu);

// Reads any bytes; what cannot be read is reported, never trusted.
LectureJournal lireJournal(QByteArrayView octets);

} // namespace orvaline
