// SPDX-License-Identifier: GPL-3.0-or-later
// The dates calculator, and the exact differences and increments it writes and reads.
#include "core/calculdates.h"
#include "core/ecartsdates.h"
#include "lignes.h"

#include <QRandomGenerator>
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

QDate lire(const QString& texte) {
    return QDate::fromString(texte, QStringLiteral("dd/MM/yyyy"));
}

QString dire(QDate d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

// Rows of the unit list.
constexpr int Heures = 0, Jours = 1, Semaines = 2, Mois = 3, Annees = 5, JoursOuvres = 6,
              JoursOuvrables = 7, AnsMoisJours = 8, SemainesJours = 9;

} // namespace

class TestCalculDates : public QObject {
    Q_OBJECT
private slots:
    // Fields as typed, unit row; then the fields written back, the result, and the history's
    // " Inc: " text (an addition) or " Int: " text (an interval; empty when just the result):
    // the exact differences add the total in days, over lines as narrow as the box.
    void reussite_data() {
        test::colonnes<QString, QString, QString, int, QString, QString, QString, QString>(
            {"depart", "increment", "fin", "ligne", "departEcrit", "finEcrite", "resultat",
             "texte"});
        ligne("2.5 arrondi au pair", "15/03/2024", "2.5", "", Jours, "15/03/2024", "17/03/2024",
              "17/03/2024", "2 J");
        ligne("2,5 lu jusqu'à la virgule", "15/03/2024", "2,5", "", Jours, "15/03/2024",
              "17/03/2024", "17/03/2024", "2 J");
        ligne("25 heures", "01/01/2024", "25", "", Heures, "01/01/2024", "02/01/2024", "02/01/2024",
              "25 H");
        ligne("date de fin remplacée", "01/01/2024", "1", "05/05/2024", Jours, "01/01/2024",
              "02/01/2024", "02/01/2024", "1 J");
        ligne("départ abrégé réécrit", "5/2/24", " 1 ", "", Jours, "05/02/2024", "06/02/2024",
              "06/02/2024", "1 J");
        ligne("incrément sans chiffre vaut 0", "01/01/2024", "abc", "", Mois, "01/01/2024",
              "01/01/2024", "01/01/2024", "0 Mois");
        ligne("semaines, jours récrits en entier", "01/01/2024", "38 sem 3 j", "", SemainesJours,
              "01/01/2024", "26/09/2024", "26/09/2024", "38 semaines\n      et 3 jours");
        ligne("-2 mois", "01/03/2024", "", "01/01/2024", Mois, "01/03/2024", "01/01/2024",
              "-2 Mois", "");
        ligne("jours ouvrables à rebours", "08/01/2024", "", "05/01/2024", JoursOuvrables,
              "08/01/2024", "05/01/2024", "-2 J. ouvrables", "");
        ligne("fin abrégée réécrite", "1/1/24", "", " 1.3.24", Jours, "01/01/2024", "01/03/2024",
              "60 J", "");
        ligne("à rebours, en semaines", "26/09/2024", "", "01/01/2024", SemainesJours, "26/09/2024",
              "01/01/2024", "−38 semaines et 3 jours",
              "−38 semaines\n      et 3 jours\n      (−269 jours)");
        ligne("des jours seulement", "31/01/2024", "", "28/02/2024", AnsMoisJours, "31/01/2024",
              "28/02/2024", "28 jours", "");
    }
    void reussite() {
        QFETCH(QString, depart);
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(int, ligne);
        QFETCH(QString, departEcrit);
        QFETCH(QString, finEcrite);
        QFETCH(QString, resultat);
        QFETCH(QString, texte);
        const auto r = calculdates({depart, increment, fin, ligne});
        QCOMPARE(r.message, QString());
        QVERIFY(!r.erreur);
        QCOMPARE(ouInchange(r.dateDepart), departEcrit);
        QCOMPARE(ouInchange(r.dateFin), finEcrite);
        QCOMPARE(ouInchange(r.calcul), resultat);
        const QString dd = QStringLiteral(" DD : ") + departEcrit;
        const QString df = QStringLiteral(" DF : ") + finEcrite;
        QCOMPARE(r.ajoutHistorique,
                 increment.isEmpty()
                     ? historique({dd, df,
                                   QStringLiteral(" Int: ") + (texte.isEmpty() ? resultat : texte)})
                     : historique({dd, QStringLiteral(" Inc: ") + texte, df}));
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
        ligne("dès la première lettre", "1a", Mois, AnsMoisJours);
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

    // Every row checked by hand on a calendar; more are the help's own examples (month ends,
    // leap days, a year end, an age backwards), which tst_aide plays on the window.
    void ansMoisJours_data() {
        test::colonnes<QString, QString, QString>({"debut", "fin", "texte"});
        ligne("30/04 to 31/05 is a month and a day", "30/04/2024", "31/05/2024",
              "1 mois et 1 jour");
        ligne("28/02 of a common year to 29/02", "28/02/2023", "29/02/2024", "1 an et 1 jour");
        ligne("one of each, singular", "01/01/2024", "02/02/2025", "1 an, 1 mois et 1 jour");
        ligne("plurals, no months", "10/03/2022", "12/03/2024", "2 ans et 2 jours");
        // Backwards the months are counted from the start too, so the figures may differ from
        // the forward ones.
        ligne("reversed: a month back passes the end", "29/02/2024", "31/01/2024", "−29 jours");
        ligne("reversed: a month back, then days", "02/03/0100", "31/01/0100",
              "−1 mois et 2 jours");
        ligne("reversed onto a month end", "31/03/2024", "29/02/2024", "−1 mois");
        ligne("equal dates", "15/05/2024", "15/05/2024", "0 jour");
        ligne("the whole range", "01/01/0100", "31/12/9999", "9899 ans, 11 mois et 30 jours");
    }
    void ansMoisJours() {
        QFETCH(QString, debut);
        QFETCH(QString, fin);
        const EcartMoisJours e = ecartMoisJours(lire(debut), lire(fin));
        QCOMPARE(e.negatif, lire(fin) < lire(debut));
        QTEST(texteAnsMoisJours(e), "texte");
    }

    void semainesJours_data() {
        test::colonnes<QString, QString, QString>({"debut", "fin", "texte"});
        ligne("one week", "01/01/2024", "08/01/2024", "1 semaine");
        ligne("days only", "01/01/2024", "07/01/2024", "6 jours");
        ligne("reversed", "09/01/2024", "01/01/2024", "−1 semaine et 1 jour");
        ligne("equal dates", "29/02/2024", "29/02/2024", "0 jour");
        ligne("the whole range", "01/01/0100", "31/12/9999", "516557 semaines");
    }
    void semainesJours() {
        QFETCH(QString, debut);
        QFETCH(QString, fin);
        QTEST(texteSemainesJours(ecartSemainesJours(lire(debut), lire(fin))), "texte");
    }

    // What people type; `lu` says how it reads: 0 read, 1 refused as unreadable, 2 refused as
    // longer than the calendar.
    void lecture_data() {
        test::colonnes<QString, int, qint64, qint64>({"texte", "lu", "mois", "jours"});
        ligne("years, months, days", "1 an 2 mois 3 jours", 0, qint64(14), qint64(3));
        ligne("weeks and days, abbreviated", "38 sem 3 j", 0, qint64(0), qint64(269));
        ligne("no blanks", "38sem3j", 0, qint64(0), qint64(269));
        ligne("any order", "3 jours 1 an", 0, qint64(12), qint64(3));
        ligne("as a result is written", "1 An, 2 Mois et 3 Jours", 0, qint64(14), qint64(3));
        ligne("accented and plain plurals", "2 années 1 annee", 0, qint64(36), qint64(0));
        ligne("dotted abbreviations", "1 sem. 2 j.", 0, qint64(0), qint64(9));
        ligne("a later sign covers the parts after it", "1 an -2 mois 5 j", 0, qint64(10),
              qint64(-5));
        ligne("a plus sign", "+2 m", 0, qint64(2), qint64(0));
        ligne("the longest part the calendar holds", "3615899 j", 0, qint64(0), qint64(3615899));
        ligne("empty", "", 1, qint64(0), qint64(0));
        ligne("a number without a unit", "12", 1, qint64(0), qint64(0));
        ligne("a last number without a unit", "1 an 2", 1, qint64(0), qint64(0));
        ligne("a unit without a number", "an", 1, qint64(0), qint64(0));
        ligne("an unknown unit", "3 heures", 1, qint64(0), qint64(0));
        ligne("a decimal", "2,5 jours", 1, qint64(0), qint64(0));
        ligne("two signs", "--1 an", 1, qint64(0), qint64(0));
        ligne("a sign at the end", "1 an -", 1, qint64(0), qint64(0));
        ligne("a leading et", "et 1 an", 1, qint64(0), qint64(0));
        ligne("a trailing et", "1 an et", 1, qint64(0), qint64(0));
        ligne("a doubled et", "1 an et et 2 mois", 1, qint64(0), qint64(0));
        ligne("Arabic-Indic digits", "\u0661 an", 1, qint64(0), qint64(0));
        ligne("a day past the calendar", "3615900 j", 2, qint64(0), qint64(0));
        ligne("weeks past the calendar, never cut down", "9999499999 s", 2, qint64(0), qint64(0));
        ligne("years past the calendar", "9900 ans", 2, qint64(0), qint64(0));
        ligne("parts that add up past it", "9000 ans 900 ans", 2, qint64(0), qint64(0));
        ligne("a digit run longer than any integer", QString(40, u'9') + QStringLiteral(" j"), 2,
              qint64(0), qint64(0));
    }
    void lecture() {
        QFETCH(QString, texte);
        QFETCH(int, lu);
        const LectureIncrement l = lectureIncrementExact(texte);
        QCOMPARE(int(l.increment ? 0 : l.refus == RefusIncrement::Illisible ? 1 : 2), lu);
        if (lu != 0) return;
        QTEST(l.increment->mois, "mois");
        QTEST(l.increment->jours, "jours");
    }

    void ecritureIncrement_data() {
        test::colonnes<qint64, qint64, bool, QString>({"mois", "jours", "semaines", "texte"});
        ligne("all back", qint64(-14), qint64(-3), false, "−1 an, 2 mois et 3 jours");
        ligne("mixed signs", qint64(12), qint64(-3), false, "1 an et −3 jours");
        ligne("back, then forward", qint64(-1), qint64(2), false, "−1 mois et +2 jours");
        ligne("back in weeks, then forward", qint64(-13), qint64(10), true,
              "−1 an, 1 mois, +1 semaine et 3 jours");
        ligne("nothing", qint64(0), qint64(0), true, "0 jour");
    }
    void ecritureIncrement() {
        QFETCH(qint64, mois);
        QFETCH(qint64, jours);
        QFETCH(bool, semaines);
        QTEST(texteIncrementExact({mois, jours}, semaines), "texte");
    }

    // Ordinary additions are auHasard's, mixed signs tst_cadredates' historiqueRecopie.
    void ajoutExact_data() {
        test::colonnes<QString, qint64, qint64, QString>({"depart", "mois", "jours", "arrivee"});
        ligne("past the last day", "31/12/9999", qint64(0), qint64(1), "");
        ligne("before the first day", "01/01/0100", qint64(-1), qint64(0), "");
        ligne("a huge count", "01/01/2024", qint64(1'000'000'000), qint64(0), "");
    }
    void ajoutExact() {
        QFETCH(QString, depart);
        QFETCH(qint64, mois);
        QFETCH(qint64, jours);
        const auto d = ajouterIncrementExact(lire(depart), {mois, jours});
        QTEST(d ? dire(*d) : QString(), "arrivee");
    }

    // Random pairs over the whole range of dates, the same ones every run.
    void auHasard() {
        QRandomGenerator hasard(20261206);
        const qint64 premier = QDate(100, 1, 1).toJulianDay();
        const qint64 dernier = QDate(9999, 12, 31).toJulianDay();
        for (int i = 0; i < 4000; ++i) {
            const QDate a = QDate::fromJulianDay(hasard.bounded(premier, dernier + 1));
            // Most pairs close together, where month ends matter most.
            const QDate b = i % 4 == 0
                                ? QDate::fromJulianDay(hasard.bounded(premier, dernier + 1))
                                : qBound(QDate(100, 1, 1), a.addDays(hasard.bounded(-800, 800)),
                                         QDate(9999, 12, 31));
            const QString paire = dire(a) + QStringLiteral(" -> ") + dire(b);
            const qint64 s = b < a ? -1 : 1;

            // The months never overshoot: one more would pass the end.
            const EcartMoisJours e = ecartMoisJours(a, b);
            QVERIFY2(e.moisRestants() <= 11 && e.jours >= 0 && e.negatif == (b < a),
                     qPrintable(paire));
            const QDate auDela = a.addMonths(int(s * (e.mois + 1)));
            QVERIFY2(s > 0 ? auDela > b : auDela < b, qPrintable(paire));

            // The difference read from its own text, added back, gives the end, both ways.
            const auto lu = lireIncrementExact(texteAnsMoisJours(e));
            QVERIFY2(lu && lu->mois == s * e.mois && lu->jours == s * e.jours,
                     qPrintable(paire + u' ' + texteAnsMoisJours(e)));
            QVERIFY2(ajouterIncrementExact(a, *lu) == b, qPrintable(paire));

            const EcartSemainesJours sj = ecartSemainesJours(a, b);
            QVERIFY2(s * (qint64(sj.semaines) * 7 + sj.jours) == a.daysTo(b) && sj.jours <= 6,
                     qPrintable(paire));
            const auto luSemaines = lireIncrementExact(texteSemainesJours(sj));
            QVERIFY2(luSemaines && ajouterIncrementExact(a, *luSemaines) == b, qPrintable(paire));

            // Any increment the program writes, signs mixed or not, reads back the same.
            const IncrementExact inc{hasard.bounded(-118799, 118800),
                                     hasard.bounded(-3615899, 3615900) / (i % 3 ? 1000 : 1)};
            for (bool semaines : {false, true}) {
                const QString texte = texteIncrementExact(inc, semaines);
                QVERIFY2(lireIncrementExact(texte) == inc, qPrintable(texte));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCalculDates)
#include "tst_calculdates.moc"
