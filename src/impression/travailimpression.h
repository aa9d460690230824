// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// A text to print: its title line and its lines, already laid out in columns.
struct TravailImpression {
    QString titre;
    QString texte;
    // The file proposed when the user prints to a PDF file: a name in an existing folder.
    QString fichierPdf;
};

enum class IssueImpression { Imprimee, Annulee, Echouee };

struct ResultatImpression {
    IssueImpression issue = IssueImpression::Annulee;
    // The PDF file printed to, when the output was a file.
    QString fichierPdf;
    // The PDF file was opened but could not be written whole (it is then removed): the disk
    // is probably full.
    bool ecritureInterrompue = false;
    // Why it failed, in French, when the print module alone can tell.
    QString raison;
};

} // namespace orvaline
