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
        QTest::newRow("a pending first operand, with no break after it")
            << u"\n 000 J  01:00:00 "_s << u"\n 000 J  01:00:00 "_s;
        QTest::newRow("the empty lines between calculations stay empty")
            << u"\n 1 \n= 2 \n\n 33 \n"_s << u"\n  1 \n= 2 \n\n 33 \n"_s;
    }
    void alignement() {
        QFETCH(QString, texte);
        QTEST(alignerADroite(texte), "aligne");
    }

    // Month and day on two digits.
    void nomPropose() {
        QCOMPARE(nomReleve(Releve::Bande, QDate(2026, 1, 5), u"txt"_s),
                 u"Orvaline-bande-2026-01-05.txt"_s);
    }

    // A tape left on an operand still ends with a line break.
    void fichierFiniParUnSaut() {
        QCOMPARE(texteReleve(Releve::Bande, QDateTime(QDate(2026, 1, 5), QTime(9, 4, 3)),
                             u"\n 000 J  01:00:00 "_s),
                 u"Orvaline - Calculatrice de Temps, bande du 05/01/2026 à 09:04:03\n"
                 "\n 000 J  01:00:00 \n"_s);
    }
};

QTEST_GUILESS_MAIN(TestTexteBande)
#include "tst_textebande.moc"
