// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reglescalendrier.h"
#include "lignes.h"

#include <QTest>

using namespace orvaline;
using test::ligne;

class TestReglesCalendrier : public QObject {
    Q_OBJECT
private slots:
    void grille_data() {
        test::colonnes<int, int, int, int>({"annee", "mois", "premiereCase", "derniereCase"});
        ligne("juin 2025 commence un dimanche, 6e rangée", 2025, 6, 7, 36);
        ligne("mars 2025: 31 jours dès un samedi", 2025, 3, 6, 36);
        ligne("février 2021 tient en quatre rangées", 2021, 2, 1, 28);
        ligne("février 2024 bissextile", 2024, 2, 4, 32);
    }
    void grille() {
        QFETCH(int, annee);
        QFETCH(int, mois);
        QFETCH(int, premiereCase);
        QFETCH(int, derniereCase);
        const GrilleMois g = grilleMois(annee, mois);
        QCOMPARE(g.premiereCase, premiereCase);
        QCOMPARE(g.caseDuJour(1), premiereCase);
        QCOMPARE(g.caseDuJour(g.nombreJours), derniereCase);
        // Every cell holds its own day and nothing of the neighbouring months.
        for (int i = 1; i <= casesGrille; ++i) {
            const int attendu = (i >= premiereCase && i <= derniereCase) ? i - premiereCase + 1 : 0;
            QCOMPARE(g.jourEnCase(i), attendu);
        }
        QCOMPARE(g.caseDuJour(g.nombreJours + 1), 0);
        QCOMPARE(g.caseDuJour(0), 0);
    }

    void plage_data() {
        test::colonnes<QString, QString, int, int>({"etendue", "date", "premiere", "derniere"});
        ligne("25 ans", "25", "", 2016, 2051);
        ligne("étendue vide: 3 ans", "", "", 2016, 2029);
        ligne("étendue au-delà de 25", "40", "", 2016, 2051);
        ligne("date de 1940: liste étendue", "3", "15/06/1940", 1940, 2029);
        ligne("an 100, début du calcul", "3", "01/01/0100", 100, 2029);
        ligne("an 99 hors calcul: ignoré", "3", "01/01/0099", 2016, 2029);
        ligne("date de 9999, fin du calcul", "3", "31/12/9999", 2016, 9999);
    }
    void plage() {
        QFETCH(QString, etendue);
        QFETCH(QString, date);
        const PlageAnnees p = plageAnnees(2026, etendue, date);
        QTEST(p.premiere, "premiere");
        QTEST(p.derniere, "derniere");
    }

    void dateOuverte_data() {
        test::colonnes<QString, QString>({"texte", "attendu"});
        ligne("vide: aujourd'hui", "", "15/08/2026");
        ligne("31 février ramené au 28", "31/02/2025", "28/02/2025");
        ligne("date à moitié tapée: aujourd'hui", "15/06/", "15/08/2026");
    }
    void dateOuverte() {
        QFETCH(QString, texte);
        QTEST(dateAOuvrir(texte, QStringLiteral("15/08/2026")), "attendu");
    }
};

QTEST_APPLESS_MAIN(TestReglesCalendrier)
#include "tst_reglescalendrier.moc"
