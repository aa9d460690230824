// SPDX-License-Identifier: GPL-3.0-or-later
// Dates as typed and written, and the calendar's month grid and list of years.
#include "core/reglescalendrier.h"
#include "core/textesdates.h"
#include "lignes.h"

#include <QTest>
#include <limits>

using namespace orvaline;
using test::ligne;

class TestTextesDates : public QObject {
    Q_OBJECT
private slots:
    void valider_data() {
        test::colonnes<QString, bool, QString>({"texte", "ok", "apres"});
        ligne("vide", "", true, "");
        ligne("tirets et blancs", "  5-2-2023 ", true, "05/02/2023");
        ligne("pivot 79", "15/06/79", true, "15/06/2079");
        ligne("pivot 80", "15/06/80", true, "15/06/1980");
        ligne("29 février non bissextile", "29.02.2023", true, "28/02/2023");
        ligne("mois 13", "31/13/2023", false, "31/13/2023");
        ligne("chiffres sans séparateur", "31012024", false, "31012024");
        ligne("ordre ISO refusé", "2024-03-15", false, "2024-03-15");
        ligne("année de trois chiffres", "05/02/202", false, "05/02/202");
        ligne("limite basse", "01/01/0100", true, "01/01/0100");
        ligne("avant la limite", "31/12/0099", false, "31/12/0099");
        ligne("limite haute", "31/12/9999", true, "31/12/9999");
    }
    void valider() {
        QFETCH(QString, texte);
        QTEST(validerdate(texte), "ok");
        QTEST(texte, "apres");
    }

    void corriger_data() {
        test::colonnes<QString, QString>({"texte", "apres"});
        ligne("31 avril", "31/04/2023", "30/04/2023");
        ligne("31 mai inchangé", "31/05/2023", "31/05/2023");
        ligne("année courte gardée", "30/02/24", "29/02/24");
        ligne("année illisible laissée", "30/02/abcd", "30/02/abcd");
    }
    void corriger() {
        QFETCH(QString, texte);
        corrigerjour(texte);
        QTEST(texte, "apres");
    }

    void dernierJour_data() {
        test::colonnes<QString, QString>({"texte", "dernier"});
        ligne("décembre 9999", "01/12/9999", "31/12/9999");
        ligne("1900 non bissextile", "01/02/1900", "28/02/1900");
    }
    void dernierJour() {
        QFETCH(QString, texte);
        QTEST(dernierjourmois(texte), "dernier");
    }

    void ajouter_data() {
        // resultat: "" for a refusal
        test::colonnes<QString, QString, qint64, QString>({"date", "unite", "nombre", "resultat"});
        const qint64 max = std::numeric_limits<qint64>::max(),
                     min = std::numeric_limits<qint64>::min();
        ligne("29/02 + 1 an", "29/02/2024", "yyyy", qint64(1), "28/02/2025");
        ligne("31/03 - 1 trimestre", "31/03/2024", "q", qint64(-1), "31/12/2023");
        ligne("-1 h veille", "01/01/2024", "h", qint64(-1), "31/12/2023");
        ligne("pas de cumul", "31/01/2024", "m", qint64(2), "31/03/2024");
        ligne("date vide", "", "d", qint64(1), "");
        ligne("unité inconnue", "01/01/2024", "x", qint64(1), "");
        ligne("au-delà de 9999", "31/12/9999", "d", qint64(1), "");
        ligne("en deçà de 100", "01/01/0100", "d", qint64(-1), "");
        ligne("énorme en mois", "01/01/2024", "yyyy", max, "");
        ligne("énorme en heures", "01/01/2024", "h", min, "");
        ligne("jusqu'à 9999", "01/01/2024", "yyyy", qint64(7975), "01/01/9999");
    }
    void ajouter() {
        QFETCH(QString, date);
        QFETCH(QString, unite);
        QFETCH(qint64, nombre);
        QFETCH(QString, resultat);
        const auto r = ajouterdate(date, unite, nombre);
        QCOMPARE(r.has_value(), !resultat.isEmpty());
        if (r) QCOMPARE(*r, resultat);
    }

    void longue_data() {
        test::colonnes<QString, QString>({"date", "longue"});
        ligne("29 février 2024", "29/02/2024", "Jeudi 29 Février 2024");
        ligne("6 décembre 2026", " 06/12/2026 ", "Dimanche 6 Décembre 2026");
        ligne("pas une date", "31/13/2024", "");
    }
    void longue() {
        QFETCH(QString, date);
        QTEST(datelongue(date), "longue");
    }

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

QTEST_GUILESS_MAIN(TestTextesDates)
#include "tst_textesdates.moc"
