// SPDX-License-Identifier: GPL-3.0-or-later
// What the user keeps of a tape or a history: the columns of the right-aligned tape, the
// proposed file name and the title line.
#include "core/textebande.h"
#include "lignes.h"

#include <QTest>

using namespace orvaline;
using namespace Qt::StringLiterals;

class TestTexteBande : public QObject {
    Q_OBJECT
private slots:
    void alignement_data() {
        test::colonnes<QString, QString>({"texte", "aligne"});
        QTest::newRow("a first operand is one blank short of an operator line")
            << u"\n 001 J  02:03:04 \n+ 000 J  01:00:00 \n= 001 J  03:03:04 \n"_s
            << u"\n  001 J  02:03:04 \n+ 000 J  01:00:00 \n= 001 J  03:03:04 \n"_s;
        QTest::newRow("a day count of four digits pushes every other line right")
            << u"\n 1000 J  00:00:00 \n+ 000 J  00:00:01 \n= 1000 J  00:00:01 \n"_s
            << u"\n  1000 J  00:00:00 \n + 000 J  00:00:01 \n= 1000 J  00:00:01 \n"_s;
        QTest::newRow("a pending first operand, with no break after it")
            << u"\n 000 J  01:00:00 "_s << u"\n 000 J  01:00:00 "_s;
        QTest::newRow("the empty lines between calculations stay empty")
            << u"\n 1 \n= 2 \n\n 33 \n"_s << u"\n  1 \n= 2 \n\n 33 \n"_s;
    }
    void alignement() {
        QFETCH(QString, texte);
        QTEST(alignerADroite(texte), "aligne");
    }

    void nomPropose_data() {
        test::colonnes<int, QDate, QString, QString>({"releve", "jour", "extension", "nom"});
        QTest::newRow("the tape, month and day on two digits")
            << int(Releve::Bande) << QDate(2026, 1, 5) << u"txt"_s
            << u"Orvaline-bande-2026-01-05.txt"_s;
        QTest::newRow("the history") << int(Releve::Historique) << QDate(2026, 12, 6) << u"txt"_s
                                     << u"Orvaline-historique-2026-12-06.txt"_s;
        // A date written with slashes would make folders of the name.
        QTest::newRow("a print-out to a file, a plain file name")
            << int(Releve::Bande) << QDate(2026, 12, 7) << u"pdf"_s
            << u"Orvaline-bande-2026-12-07.pdf"_s;
    }
    void nomPropose() {
        QFETCH(int, releve);
        QFETCH(QDate, jour);
        QFETCH(QString, extension);
        QTEST(nomReleve(Releve(releve), jour, extension), "nom");
    }

    void fichier_data() {
        test::colonnes<int, QString, QString>({"releve", "texte", "attendu"});
        const QString bande =
            u"Orvaline - Calculatrice de Temps, bande du 05/01/2026 à 09:04:03\n"_s;
        const QString histo =
            u"Orvaline - Calculatrice de Dates, historique du 05/01/2026 à 09:04:03\n"_s;
        QTest::newRow("the tape is written right-aligned after its title")
            << int(Releve::Bande) << u"\n 001 J  00:00:00 \n+ 000 J  00:00:01 \n"_s
            << bande + u"\n  001 J  00:00:00 \n+ 000 J  00:00:01 \n"_s;
        QTest::newRow("a tape left on an operand still ends with a line break")
            << int(Releve::Bande) << u"\n 000 J  01:00:00 "_s << bande + u"\n 000 J  01:00:00 \n"_s;
        QTest::newRow("the history keeps its own left-aligned lines")
            << int(Releve::Historique) << u"\n DD : 31/01/2024\n Inc: 1 Mois\n DF : 29/02/2024\n"_s
            << histo + u"\n DD : 31/01/2024\n Inc: 1 Mois\n DF : 29/02/2024\n"_s;
    }
    void fichier() {
        QFETCH(int, releve);
        QFETCH(QString, texte);
        QTEST(texteReleve(Releve(releve), QDateTime(QDate(2026, 1, 5), QTime(9, 4, 3)), texte),
              "attendu");
    }
};

QTEST_GUILESS_MAIN(TestTexteBande)
#include "tst_textebande.moc"
