// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculdates.h"
#include "lignes.h"

#include <QTest>

using namespace orvaline;
using test::ligne;

namespace {

// Stands for "the field is left alone" in the tables below.
const QString inchange = QStringLiteral("<inchangé>");

QString ouInchange(const std::optional<QString>& texte) {
    return texte.value_or(inchange);
}

// What a calculation adds to the history box: an empty line, then each line.
QString historique(const QStringList& lignes) {
    QString texte = QStringLiteral("\n");
    for (const QString& l : lignes)
        texte += l + u'\n';
    return texte;
}

// Rows of the unit list.
constexpr int Heures = 0, Jours = 1, Semaines = 2, Mois = 3, Annees = 5, JoursOuvres = 6,
              JoursOuvrables = 7, AnsMoisJours = 8, SemainesJours = 9;

} // namespace

class TestCalculDates : public QObject {
    Q_OBJECT
private slots:
    // Start, increment and end as typed, unit row; then the start written back, the " Inc: "
    // text and the end date written into the end field and the result label.
    void ajout_data() {
        test::colonnes<QString, QString, QString, int, QString, QString, QString>(
            {"depart", "increment", "fin", "ligne", "departEcrit", "inc", "finEcrite"});
        ligne("2.5 arrondi au pair", "15/03/2024", "2.5", "", Jours, "15/03/2024", "2 J",
              "17/03/2024");
        ligne("2,5 lu jusqu'à la virgule", "15/03/2024", "2,5", "", Jours, "15/03/2024", "2 J",
              "17/03/2024");
        ligne("25 heures", "01/01/2024", "25", "", Heures, "01/01/2024", "25 H", "02/01/2024");
        ligne("date de fin remplacée", "01/01/2024", "1", "05/05/2024", Jours, "01/01/2024", "1 J",
              "02/01/2024");
        ligne("départ abrégé réécrit", "5/2/24", " 1 ", "", Jours, "05/02/2024", "1 J",
              "06/02/2024");
        ligne("incrément sans chiffre vaut 0", "01/01/2024", "abc", "", Mois, "01/01/2024",
              "0 Mois", "01/01/2024");
        ligne("semaines, jours récrits en entier", "01/01/2024", "38 sem 3 j", "", SemainesJours,
              "01/01/2024", "38 semaines\n      et 3 jours", "26/09/2024");
    }
    void ajout() {
        QFETCH(QString, depart);
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(int, ligne);
        QFETCH(QString, departEcrit);
        QFETCH(QString, inc);
        QFETCH(QString, finEcrite);
        const auto r = calculdates({depart, increment, fin, ligne});
        QCOMPARE(r.message, QString());
        QVERIFY(!r.erreur);
        QCOMPARE(ouInchange(r.dateDepart), departEcrit);
        QCOMPARE(ouInchange(r.dateFin), finEcrite);
        QCOMPARE(ouInchange(r.calcul), finEcrite);
        QCOMPARE(r.ajoutHistorique,
                 historique({QStringLiteral(" DD : ") + departEcrit, QStringLiteral(" Inc: ") + inc,
                             QStringLiteral(" DF : ") + finEcrite}));
        QCOMPARE(r.focus, ChampDates::ListeUnites);
    }

    // The start and end as typed, unit row; then the end written back, the result, and the
    // history's " Int: " text when it says more: the exact differences add the total in days
    // unless the result already says just that, over lines as narrow as the box.
    void intervalle_data() {
        test::colonnes<QString, QString, int, QString, QString, QString>(
            {"depart", "fin", "ligne", "finEcrite", "resultat", "total"});
        ligne("-2 mois", "01/03/2024", "01/01/2024", Mois, "01/01/2024", "-2 Mois", "");
        ligne("jours ouvrables à rebours", "08/01/2024", "05/01/2024", JoursOuvrables, "05/01/2024",
              "-2 J. ouvrables", "");
        ligne("fin abrégée réécrite", "1/1/24", " 1.3.24", Jours, "01/03/2024", "60 J", "");
        ligne("à rebours, en semaines", "26/09/2024", "01/01/2024", SemainesJours, "01/01/2024",
              "−38 semaines et 3 jours", "−38 semaines\n      et 3 jours\n      (−269 jours)");
        ligne("des jours seulement", "31/01/2024", "28/02/2024", AnsMoisJours, "28/02/2024",
              "28 jours", "");
    }
    void intervalle() {
        QFETCH(QString, depart);
        QFETCH(QString, fin);
        QFETCH(int, ligne);
        QFETCH(QString, finEcrite);
        QFETCH(QString, resultat);
        QFETCH(QString, total);
        const auto r = calculdates({depart, {}, fin, ligne});
        QCOMPARE(r.message, QString());
        QVERIFY(!r.erreur);
        QVERIFY(r.dateDepart);
        QCOMPARE(ouInchange(r.dateFin), finEcrite);
        QCOMPARE(ouInchange(r.calcul), resultat);
        QCOMPARE(r.ajoutHistorique,
                 historique({QStringLiteral(" DD : ") + *r.dateDepart,
                             QStringLiteral(" DF : ") + finEcrite,
                             QStringLiteral(" Int: ") + (total.isEmpty() ? resultat : total)}));
        QCOMPARE(r.focus, ChampDates::ListeUnites);
    }

    // Missing or invalid input, or an exact increment that does not read: a message, the
    // focus on the field at fault, nothing computed; only a valid start date has already been
    // written back.
    void messages_data() {
        test::colonnes<QString, QString, QString, int, QString, ChampDates, QString>(
            {"depart", "increment", "fin", "ligne", "message", "focus", "departEcrit"});
        const char* date = "Vous devez saisir une Date ... ";
        const char* invalide = "La Date est invalide ... ";
        const char* increment = "Vous devez saisir un Incrément ... ";
        const auto depart = ChampDates::DateDepart;
        ligne("départ vide", "", "1", "", Jours, date, depart, inchange);
        ligne("départ invalide", "31/13/2024", "1", "", Jours, invalide, depart, inchange);
        ligne("départ seul réécrit quand même", "5/2/24", "  ", " ", Jours, increment,
              ChampDates::Increment, QStringLiteral("05/02/2024"));
        ligne("fin invalide", "5/2/24", "", "30/30/2024", Jours, "La Date de Fin est invalide ... ",
              ChampDates::DateFin, QStringLiteral("05/02/2024"));
        ligne("incrément exact illisible", "1/1/24", "12", "05/05/2024", AnsMoisJours,
              "L'Incrément est illisible", ChampDates::Increment, QStringLiteral("01/01/2024"));
    }
    void messages() {
        QFETCH(QString, depart);
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(int, ligne);
        QFETCH(QString, message);
        const auto r = calculdates({depart, increment, fin, ligne});
        QVERIFY2(r.message.startsWith(message), qPrintable(r.message));
        QTEST(r.focus, "focus");
        QTEST(ouInchange(r.dateDepart), "departEcrit");
        QCOMPARE(ouInchange(r.dateFin), inchange);
        QCOMPARE(ouInchange(r.calcul), inchange);
        QCOMPARE(r.ajoutHistorique, QString());
        QVERIFY(!r.erreur);
    }

    // Failures of the computation go to the error report; what was cleared or rewritten
    // before stays, the history is untouched and the focus ends on the unit list.
    void erreurs_data() {
        test::colonnes<QString, QString, int, int, QString>(
            {"increment", "fin", "ligne", "numero", "finEcrite"});
        ligne("ajout sans unité", "1", "", -1, 5, "");
        ligne("intervalle sans unité", "", "1/3/24", -1, 5, "01/03/2024");
        ligne("incrément au-delà de 32 bits", "2147483648", "01/03/2024", Jours, 6, "");
        ligne("dépassement avant l'unité", "-2147483649", "", -1, 6, "");
        ligne("au-delà de l'an 9999", "7976", "", Annees, 5, "");
        ligne("écart exact au-delà de l'an 9999", "8000 ans", "", AnsMoisJours, 5, "");
        ligne("écart exact plus long que le calendrier", "10000 ans", "", AnsMoisJours, 5, "");
    }
    void erreurs() {
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(int, ligne);
        const auto r = calculdates({QStringLiteral("01/01/2024"), increment, fin, ligne});
        QVERIFY(r.erreur);
        QTEST(r.erreur->numero, "numero");
        QCOMPARE(r.message, QString());
        QCOMPARE(ouInchange(r.dateDepart), QStringLiteral("01/01/2024"));
        QTEST(ouInchange(r.dateFin), "finEcrite");
        QCOMPARE(ouInchange(r.calcul), QString());
        QCOMPARE(r.ajoutHistorique, QString());
        QCOMPARE(r.focus, ChampDates::ListeUnites);
    }

    // Unit words typed while a one-unit row is selected pick the exact row that reads them.
    void ligneExacte_data() {
        test::colonnes<QString, int, int>({"increment", "ligne", "choisie"});
        ligne("des années avec Mois", "1 an 2 mois 3 jours", Mois, AnsMoisJours);
        ligne("dès la première lettre", "1a", Mois, AnsMoisJours);
        ligne("des jours avec Jours", "5 j", Jours, AnsMoisJours);
        ligne("des semaines avec Semaines", "38 sem 3 j", Semaines, SemainesJours);
        ligne("jours ouvrés: des mots aussi", "2 mois", JoursOuvres, AnsMoisJours);
        ligne("des chiffres seuls: rien", "-12", Mois, -1);
        ligne("une lettre qui n'est pas une unité", "12 x", Mois, -1);
        ligne("déjà une ligne exacte", "1 an", SemainesJours, -1);
        ligne("aucune ligne choisie", "1 an", -1, -1);
    }
    void ligneExacte() {
        QFETCH(QString, increment);
        QFETCH(int, ligne);
        QTEST(ligneExacteDuTexte(increment, ligne).value_or(-1), "choisie");
    }

    void pasJour_data() {
        test::colonnes<QString, int, QString, bool>({"texte", "sens", "apres", "focus"});
        ligne("abrégée réécrite", " 5/2/24 ", 2, "06/02/2024", true);
        ligne("vide: le focus seul", "  ", 2, inchange, true);
        ligne("au bout des dates: rien", "31/12/9999", 2, inchange, false);
    }
    void pasJour() {
        QFETCH(QString, texte);
        QFETCH(int, sens);
        const auto r = pasjour(texte, SensPas(sens));
        QTEST(ouInchange(r.texte), "apres");
        QTEST(r.donnerFocus, "focus");
    }
};

QTEST_GUILESS_MAIN(TestCalculDates)
#include "tst_calculdates.moc"
