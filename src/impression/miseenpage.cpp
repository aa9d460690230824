// SPDX-License-Identifier: GPL-3.0-or-later
#include "impression/miseenpage.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>

namespace orvaline {

namespace {
QFont policeBande(QPaintDevice* appareil, bool grasse) {
    QFont police(QStringLiteral("DejaVu Sans Mono"), 10);
    police.setStyleHint(QFont::Monospace);
    police.setFixedPitch(true);
    police.setBold(grasse);
    // Metrics in the printer's own resolution, not the screen's.
    return QFont(police, appareil);
}
} // namespace

std::optional<QString> dessinerPages(QPrinter& imprimante, const TravailImpression& travail) {
    const QFont texte = policeBande(&imprimante, false);
    const QFont titre = policeBande(&imprimante, true);
    const QFontMetrics mesure(texte, &imprimante);
    const int interligne = mesure.lineSpacing();
    // The painter's origin is the printable area's corner: the margins are already outside.
    const QRect zone(QPoint(0, 0),
                     imprimante.pageLayout().paintRectPixels(imprimante.resolution()).size());
    const int hautCorps = zone.top() + 3 * interligne;
    const int basCorps = zone.bottom() - 2 * interligne;
    const int lignesParPage = std::max(1, (basCorps - hautCorps) / interligne);

    QStringList lignes = travail.texte.split(u'\n');
    // The break that ends the text makes no line of its own on paper.
    if (lignes.size() > 1 && lignes.last().isEmpty()) lignes.removeLast();
    const int pages = int((lignes.size() + lignesParPage - 1) / lignesParPage);

    int premiere = 1;
    int derniere = pages;
    if (imprimante.printRange() == QPrinter::PageRange && imprimante.fromPage() > 0) {
        premiere = imprimante.fromPage();
        derniere = std::min(pages, std::max(premiere, imprimante.toPage()));
    }
    // Checked before the printer opens: an opened printer has already begun a page.
    if (premiere > pages)
        return QStringLiteral("Le texte tient sur %1 : la page %2 n'existe pas.")
            .arg(pages > 1 ? QStringLiteral("%1 pages").arg(pages) : QStringLiteral("1 page"))
            .arg(premiere);

    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return QStringLiteral("L'imprimante ne peut pas être utilisée.");

    for (int page = premiere; page <= derniere; ++page) {
        if (page != premiere) imprimante.newPage();
        peintre.setFont(titre);
        peintre.drawText(QRect(zone.left(), zone.top(), zone.width(), interligne),
                         Qt::AlignLeft | Qt::AlignVCenter, travail.titre);
        peintre.drawLine(zone.left(), zone.top() + interligne + interligne / 2, zone.right(),
                         zone.top() + interligne + interligne / 2);

        peintre.setFont(texte);
        const qsizetype debut = qsizetype(page - 1) * lignesParPage;
        const qsizetype fin = std::min(lignes.size(), debut + lignesParPage);
        int y = hautCorps + mesure.ascent();
        for (qsizetype i = debut; i < fin; ++i, y += interligne)
            peintre.drawText(zone.left(), y, lignes.at(i));

        peintre.drawText(QRect(zone.left(), zone.bottom() - interligne, zone.width(), interligne),
                         Qt::AlignHCenter | Qt::AlignVCenter,
                         QStringLiteral("Page %1 sur %2").arg(page).arg(pages));
    }
    if (!peintre.end()) return QStringLiteral("L'impression n'a pas pu être terminée.");
    return std::nullopt;
}

} // namespace orvaline
