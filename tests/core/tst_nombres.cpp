// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nombres.h"
#include "lignes.h"

#include <QTest>
#include <limits>

using namespace orvaline;
using test::ligne;
using namespace Qt::StringLiterals;

class TestNombres : public QObject {
    Q_OBJECT
private slots:
    void lecture_data() {
        test::colonnes<QString, double>({"texte", "attendu"});
        ligne("vide", "", 0.0);
        ligne("blancs dedans", "1 2 3", 123.0);
        ligne("point décimal", "2.5", 2.5);
        ligne("second point arrête", "1.2.3", 1.2);
        ligne("signe seul", "-", 0.0);
        ligne("très long", "12345678901234567890", 12345678901234567890.0);
        ligne("au-delà d'un double", QString(400, u'9'), std::numeric_limits<double>::infinity());
        ligne("sous le plus petit double", u"0."_s + QString(400, u'0') + u'1', 0.0);
    }
    void lecture() {
        QFETCH(QString, texte);
        QTEST(lireNombre(texte), "attendu");
    }

    void arrondi_data() {
        test::colonnes<double, double, double>({"valeur", "pair", "loin"});
        ligne("0.5", 0.5, 0.0, 1.0);
        ligne("2.5", 2.5, 2.0, 3.0);
        ligne("-2.5", -2.5, -2.0, -3.0);
        ligne("2.5001", 2.5001, 3.0, 3.0);
    }
    void arrondi() {
        QFETCH(double, valeur);
        QTEST(arrondiPair(valeur), "pair");
        QTEST(arrondiLoin(valeur) + 0.0, "loin");
    }

    void entiers_data() {
        test::colonnes<double, bool, int, bool, qint64>({"valeur", "ok16", "v16", "ok32", "v32"});
        ligne("max 16", 32767.0, true, 32767, true, qint64(32767));
        ligne("max 16 + demi arrondi pair", 32767.5, false, 0, true, qint64(32768));
        ligne("min 16 - 0.5 reste", -32768.5, true, -32768, true, qint64(-32768));
        ligne("max 32", 2147483647.0, false, 0, true, qint64(2147483647));
        ligne("max 32 + 1", 2147483648.0, false, 0, false, qint64(0));
        ligne("min 32", -2147483648.0, false, 0, true, qint64(-2147483648LL));
        ligne("infini", std::numeric_limits<double>::infinity(), false, 0, false, qint64(0));
    }
    void entiers() {
        QFETCH(double, valeur);
        const auto a = versEntier16(valeur);
        QTEST(a.has_value(), "ok16");
        QTEST(int(a.value_or(0)), "v16");
        const auto b = versEntier32(valeur);
        QTEST(b.has_value(), "ok32");
        QTEST(qint64(b.value_or(0)), "v32");
    }

    // The step added to a typed number: written back as its shortest text, whatever the
    // step's size.
    void pas_data() {
        test::colonnes<QString, int, QString>({"texte", "pas", "attendu"});
        ligne("moins un vers zéro", "-1", 1, "0");
        ligne("moins zéro virgule vers zéro", "-1.0", 1, "0");
        ligne("zéros de fin tous ôtés", "1.00", 1, "2");
        ligne("zéros de fin gardés jusqu'au chiffre", "1.500", -1, "0.5");
        ligne("pas le plus bas", "9", std::numeric_limits<int>::min(), "-2147483639");
        ligne("pas le plus haut", "-9", std::numeric_limits<int>::max(), "2147483638");
        ligne("pas le plus bas sur un négatif", "-1", std::numeric_limits<int>::min(),
              "-2147483649");
    }
    void pas() {
        QFETCH(QString, texte);
        QFETCH(int, pas);
        const auto r = ajouterEntier(texte, pas, u'.');
        QVERIFY(r);
        QTEST(*r, "attendu");
    }
};

QTEST_GUILESS_MAIN(TestNombres)
#include "tst_nombres.moc"
