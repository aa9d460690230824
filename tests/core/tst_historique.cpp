// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/historique.h"
#include "lignes.h"

#include <QTest>

using namespace orvaline;
using test::ligne;

class TestHistorique : public QObject {
    Q_OBJECT
private slots:
    void ligneDeBande_data() {
        test::colonnes<QString, double, double, double, double, QString, QString>(
            {"oper", "jo", "hr", "mn", "se", "symbole", "attendu"});
        // Lines that the calculator's own sequences cannot produce or do not cover.
        ligne("100 minutes élargit", "-", 0.0, 0.0, 100.0, 125.0, ".", "- 000 J  00:100:125 ");
        ligne("demi arrondi loin de zéro", "", 0.0, 1.5, 2.5, 0.5, ".", " 000 J  02:03:01 ");
        ligne("négatif", "", 0.0, -1.0, 0.0, -1.5, ".", " 000 J  -01:00:-02 ");
        ligne("nombre sous le point", "/", 9.0, 9.0, 9.0, 2.5, ".", "/             2.5 ");
        ligne("nombre plus long écrit entier", "x", 0.0, 0.0, 0.0, 123456789012345678.0, ",",
              "x1,23456789012346E+17 ");
    }
    void ligneDeBande() {
        QFETCH(QString, oper);
        QFETCH(double, jo);
        QFETCH(double, hr);
        QFETCH(double, mn);
        QFETCH(double, se);
        QFETCH(QString, symbole);
        QTEST(ligneHistorique(oper, jo, hr, mn, se, symbole.at(0)), "attendu");
    }
};

QTEST_GUILESS_MAIN(TestHistorique)
#include "tst_historique.moc"
