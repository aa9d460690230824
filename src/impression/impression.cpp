// SPDX-License-Identifier: GPL-3.0-or-later
#include "impression/impression.h"

#include "impression/miseenpage.h"

#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
void preparer(QPrinter& imprimante, const orvaline::TravailImpression& travail) {
    imprimante.setDocName(travail.titre);
    imprimante.setCreator(QStringLiteral("Orvaline"));
    // 15 mm all round: inside what any office printer can reach.
    imprimante.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}
} // namespace

extern "C" {

bool orvaline_imprimer(QWidget* parent, const orvaline::TravailImpression& travail) {
    QPrinter imprimante(QPrinter::HighResolution);
    preparer(imprimante, travail);
    QPrintPreviewDialog apercu(&imprimante, parent);
    apercu.setObjectName(QStringLiteral("apercu"));
    apercu.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&travail](QPrinter* p) { orvaline::dessinerPages(*p, travail); });
    return apercu.exec() == QDialog::Accepted;
}

bool orvaline_imprimer_pdf(const orvaline::TravailImpression& travail, const QString& chemin) {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(chemin);
    preparer(imprimante, travail);
    return orvaline::dessinerPages(imprimante, travail);
}

} // extern "C"
