// SPDX-License-Identifier: GPL-3.0-or-later
// The print-out of a tape, made as a PDF file through the print module and read back with
// pdftotext: every line in order, the columns still under each other, on numbered pages.
#include "core/historique.h"
#include "core/textebande.h"
#include "impression/impression.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;
using namespace Qt::StringLiterals;

class TestImpression : public QObject {
    Q_OBJECT

    // A long tape: sums with growing day counts, and a multiplication by a number.
    static QString bandeLongue(int calculs) {
        QString bande;
        for (int i = 0; i < calculs; ++i) {
            const double jours = i * 37;
            historique(bande, u"", jours, 2, 3, 4, u',');
            historique(bande, i % 2 ? u"+" : u"-", 0, 1, 0, 0, u',');
            historique(bande, u"=", jours, i % 2 ? 3 : 1, 3, 4, u',');
        }
        historique(bande, u"", 0, 1, 0, 0, u',');
        historique(bande, u"x", 0, 0, 0, 2.5, u',');
        historique(bande, u"=", 0, 2, 30, 0, u',');
        return alignerADroite(bande);
    }

private slots:
    void pdfLuEnClair_data() {
        QTest::addColumn<int>("calculs");
        QTest::addColumn<int>("pages");
        QTest::newRow("one calculation, one page") << 1 << 1;
        // 4 lines per calculation: a page of A4 holds about 60.
        QTest::newRow("a tape over several pages") << 50 << 4;
    }
    void pdfLuEnClair() {
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty()) QSKIP("pdftotext manque (paquet poppler-utils)");
        QFETCH(int, calculs);
        QFETCH(int, pages);
        QTemporaryDir dossier;
        const QString pdf = dossier.filePath(u"bande.pdf"_s);
        const QString bande = bandeLongue(calculs);
        const QString titre = u"Orvaline - Calculatrice de Temps, bande du 06/12/2026 à 10:00:00"_s;
        QVERIFY(orvaline_imprimer_pdf(TravailImpression{titre, bande}, pdf));

        QProcess p;
        p.start(pdftotext, {u"-layout"_s, pdf, u"-"_s});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QStringList lu = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n');

        // Every tape line, in order, ending in the same column as the others. pdftotext
        // rebuilds the blanks from the glyphs' positions, so runs of blanks are compared as one.
        qsizetype suivante = 0;
        qsizetype colonneFin = -1;
        for (const QString& ligne : bande.split(u'\n')) {
            const QString contenu = ligne.simplified();
            if (contenu.isEmpty()) continue;
            qsizetype fin = -1;
            for (; suivante < lu.size() && fin < 0; ++suivante) {
                // pdftotext lays each page out on a grid of its own: columns compare per page.
                if (lu[suivante].startsWith(u'\f')) colonneFin = -1;
                if (lu[suivante].simplified() == contenu) {
                    fin = lu[suivante].size();
                    while (fin > 0 && lu[suivante].at(fin - 1).isSpace())
                        --fin;
                }
            }
            QVERIFY2(fin >= 0, qPrintable(u"ligne absente ou déplacée : "_s + contenu +
                                          u"\nTexte lu :\n"_s + lu.join(u'\n').left(1500)));
            if (colonneFin < 0) colonneFin = fin;
            QVERIFY2(fin == colonneFin, qPrintable(u"colonnes décalées : "_s + contenu));
        }
        for (int page = 1; page <= pages; ++page) {
            const QString pied = u"Page %1 sur %2"_s.arg(page).arg(pages);
            QVERIFY2(lu.filter(pied).size() == 1, qPrintable(pied));
        }
        QCOMPARE(lu.filter(titre).size(), pages);
    }
};

QTEST_MAIN(TestImpression)
#include "tst_impression.moc"
