// SPDX-License-Identifier: GPL-3.0-or-later
#include "impression/impression.h"

#include "impression/miseenpage.h"

#include <QFile>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
void preparer(QPrinter& imprimante, const orvaline::TravailImpression& travail) {
    // The job's name in the printer queue: the file's, never the title, whose date holds
    // slashes.
    imprimante.setDocName(travail.fichierPdf.section(u'/', -1));
    imprimante.setCreator(QStringLiteral("Orvaline"));
    // 15 mm all round: inside what any office printer can reach.
    imprimante.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

// A PDF file ends with its end-of-file mark: a file cut short by a full disk has none.
bool pdfEntier(const QString& chemin) {
    QFile pdf(chemin);
    if (!pdf.open(QIODevice::ReadOnly) || pdf.size() < 64) return false;
    pdf.seek(pdf.size() - 64);
    return pdf.read(64).contains("%%EOF");
}

// What came of printing through `imprimante`, once the pages were drawn (or not).
orvaline::ResultatImpression conclure(const QPrinter& imprimante,
                                      const std::optional<QString>& echec) {
    orvaline::ResultatImpression resultat;
    resultat.issue = orvaline::IssueImpression::Imprimee;
    if (imprimante.outputFormat() == QPrinter::PdfFormat)
        resultat.fichierPdf = imprimante.outputFileName();
    if (echec) {
        resultat.issue = orvaline::IssueImpression::Echouee;
        resultat.raison = *echec;
    }
    if (!resultat.fichierPdf.isEmpty() && QFile::exists(resultat.fichierPdf) &&
        (echec || !pdfEntier(resultat.fichierPdf))) {
        // A part of a file is of no use to anyone, and could pass for the whole.
        QFile::remove(resultat.fichierPdf);
        resultat.issue = orvaline::IssueImpression::Echouee;
        resultat.ecritureInterrompue = true;
        resultat.raison.clear();
    }
    return resultat;
}
} // namespace

extern "C" {

void orvaline_imprimer(QWidget* parent, const orvaline::TravailImpression& travail,
                       orvaline::ResultatImpression& resultat) {
    QPrinter imprimante(QPrinter::HighResolution);
    preparer(imprimante, travail);
    // The print dialog proposes the printer's file for a PDF; the default printer, when there
    // is one, stays chosen.
    if (!travail.fichierPdf.isEmpty()) {
        imprimante.setOutputFileName(travail.fichierPdf);
        imprimante.setOutputFormat(QPrinter::NativeFormat);
    }
    QPrintPreviewDialog apercu(&imprimante, parent);
    apercu.setObjectName(QStringLiteral("apercu"));
    apercu.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    // The preview draws the pages too; the last drawing is the one the printer got.
    std::optional<QString> echec;
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&](QPrinter* p) { echec = orvaline::dessinerPages(*p, travail); });
    resultat = apercu.exec() == QDialog::Accepted ? conclure(imprimante, echec)
                                                  : orvaline::ResultatImpression{};
}

void orvaline_imprimer_pdf(const orvaline::TravailImpression& travail, const QString& chemin,
                           orvaline::ResultatImpression& resultat) {
    QPrinter imprimante(QPrinter::HighResolution);
    preparer(imprimante, travail);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(chemin);
    resultat = conclure(imprimante, orvaline::dessinerPages(imprimante, travail));
}

} // extern "C"
