// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

namespace orvaline {

// What the user keeps of a calculator: the time calculator's tape or the date calculator's
// history, as a file or on paper.
enum class Releve { Bande, Historique };

// The tape is shown right-aligned: each line is padded on the left with blanks up to the
// longest line, so that the text keeps its columns in a left-aligned file or print-out.
QString alignerADroite(QStringView texte);

// The text as its box shows it, for a file, the printer or the clipboard: the tape
// right-aligned, the history as it stands.
QString texteAffiche(Releve releve, QStringView texte);

// The name proposed for a kept file, e.g. "Orvaline-bande-2026-12-06.txt", or with the
// extension "pdf" for a print-out to a file.
QString nomReleve(Releve releve, QDate jour, QStringView extension = u"txt");

// The first line of a kept file and the title of a print-out, with the moment it was made.
QString titreReleve(Releve releve, const QDateTime& moment);

// The whole text of a kept file: the title line, then the text as shown, ending with a line
// break. Lines are separated by "\n"; the file layer turns them into the platform's own.
QString texteReleve(Releve releve, const QDateTime& moment, QStringView affiche);

} // namespace orvaline
