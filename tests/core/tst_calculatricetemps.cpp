// SPDX-License-Identifier: GPL-3.0-or-later
// The time calculator, the lines of its tape, and what the user keeps of a tape.
#include "core/calculatricetemps.h"
#include "core/historique.h"
#include "core/textebande.h"
#include "lignes.h"

#include <QTest>

using namespace orvaline;
using test::ligne;
using namespace Qt::StringLiterals;

namespace {

// Replays a button sequence, steps apart with "|": "2=1" types "1" into sais_time(2); "+", "-",
// "x", "/", "=" are the operator buttons; "Effacer" and "Reset" the clear buttons; "quitter" a
// loss of focus.
Reponse rejouer(CalculatriceTemps& calc, const QString& etapes, QChar symbole) {
    static const QStringList operateurs = {QStringLiteral("+"), QStringLiteral("-"),
                                           QStringLiteral("x"), QStringLiteral("/"),
                                           QStringLiteral("=")};
    Reponse derniere;
    for (const QString& etape : etapes.split(u'|')) {
        if (etape.size() >= 2 && etape.at(1) == u'=')
            calc.saisir(etape.left(1).toInt(), etape.mid(2));
        else if (operateurs.contains(etape))
            derniere = calc.com_oper(int(operateurs.indexOf(etape)) + 1, symbole);
        else if (etape == u"Effacer")
            derniere = calc.com_clear(1);
        else if (etape == u"Reset")
            derniere = calc.com_clear(2);
        else if (etape == u"quitter")
            calc.quitterChamp();
        else
            qFatal("étape inconnue");
    }
    return derniere;
}

QString champs(const CalculatriceTemps& calc) {
    return QStringList{calc.sais_time(1), calc.sais_time(2), calc.sais_time(3), calc.sais_time(4)}
        .join(u'|');
}

QString etat(const CalculatriceTemps& calc) {
    QStringList memoire;
    for (int i = 1; i <= 4; ++i)
        memoire << QString::number(calc.memoire(i));
    return u'[' + champs(calc) + QStringLiteral("] ") + calc.lib_oper() + QStringLiteral(" [") +
           memoire.join(u'|') + u']';
}

} // namespace

class TestCalculatriceTemps : public QObject {
    Q_OBJECT
private slots:
    // Every row runs under a comma setting; the tape is written with "|" for its line breaks.
    void sequence_data() {
        // etat: [fields] operation [memory]; issue: "" or "erreur"
        test::colonnes<QString, QString, QString, int, QString>(
            {"etapes", "etat", "bande", "focus", "issue"});
        ligne("1:00:00 - 2:00:00 donne zéro", "2=1|-|2=2|=", "[0|0|0|0]  [0|0|0|0]",
              "| 000 J  01:00:00 |- 000 J  02:00:00 |= 000 J  00:00:00 |", 1, "");
        ligne("1 h / 7 tronqué", "2=1|/|4=7|=", "[0|0|8|34]  [0|0|0|0]",
              "| 000 J  01:00:00 |/               7 |= 000 J  00:08:34 |", 1, "");
        ligne("/ 2,5 divise par 2", "2=1|/|4=2,5|=", "[0|0|30|0]  [0|0|0|0]",
              "| 000 J  01:00:00 |/             2,5 |= 000 J  00:30:00 |", 1, "");
        ligne("+ deux fois", "4=5|+|4=7|+", "[0|0|0|7] + [0|0|0|5]", "| 000 J  00:00:05 ", 0, "");
        ligne("- après + remplace l'opérande", "4=5|+|4=7|-", "[0|0|0|0] - [0|0|0|7]",
              "| 000 J  00:00:05 | 000 J  00:00:07 ", 1, "");
        ligne("Effacer en mode nombre", "2=1|x|4=3|Effacer", "[0|0|0|] x [0|1|0|0]",
              "| 000 J  01:00:00 ", 4, "");
        ligne("Effacer en mode durée", "2=1|+|1=2|4=3|Effacer", "[0|0|0|0] + [0|1|0|0]",
              "| 000 J  01:00:00 ", 1, "");
        ligne("= sans opération", "4=5|=", "[0|0|0|5]  [0|0|0|0]", "", 1, "");
        ligne("ligne vide entre deux calculs", "4=1|+|=|+", "[0|0|0|0] + [0|0|0|1]",
              "| 000 J  00:00:01 |+ 000 J  00:00:00 |= 000 J  00:00:01 || 000 J  00:00:01 ", 1, "");
        ligne("décimales arrondies sur la bande, exactes au calcul",
              "2=1.5|+|=", "[0|1|30|0]  [0|0|0|0]",
              "| 000 J  02:00:00 |+ 000 J  00:00:00 |= 000 J  01:30:00 |", 1, "");
        ligne("virgule remplacée dans le seul second opérande",
              "4=1,5|+|4=1,5|=", "[0|0|0|3]  [0|0|0|0]",
              "| 000 J  00:00:01 |+ 000 J  00:00:02 |= 000 J  00:00:03 |", 1, "");
        ligne("second opérande qui déborde", "-|1=30000|=", "[30000|0|0|0] - [0|0|0|0]",
              "| 000 J  00:00:00 |- 30000 J  00:00:00 ", 0, "erreur");
        ligne("diviseur hors 32 bits déborde",
              "1=1|/|4=3000000000|=", "[0|0|0|3000000000] / [1|0|0|0]",
              "| 001 J  00:00:00 |/      3000000000 ", 0, "erreur");
        // Beyond the range of a double: nothing stored, nothing infinite on the tape.
        const QString neufs(400, u'9');
        ligne("opérande au-delà d'un double déborde", QStringLiteral("1=%1|+").arg(neufs),
              QStringLiteral("[%1|0|0|0]  [0|0|0|0]").arg(neufs), "", 0, "erreur");
        ligne("multiplicateur géant sur zéro", "x|4=3000000000|=", "[0|0|0|0]  [0|0|0|0]",
              "| 000 J  00:00:00 |x      3000000000 |= 000 J  00:00:00 |", 1, "");
    }
    void sequence() {
        QFETCH(QString, etapes);
        QFETCH(QString, bande);
        QFETCH(QString, issue);

        CalculatriceTemps calc;
        const Reponse reponse = rejouer(calc, etapes, u',');
        QTEST(::etat(calc), "etat");
        QCOMPARE(calc.sais_histo(), bande.replace(u'|', u'\n'));
        QTEST(reponse.focus, "focus");
        QVERIFY(!reponse.avis); // division by zero: the window's test
        QCOMPARE(reponse.erreur,
                 issue == u"erreur" ? std::optional(erreurs::depassement()) : std::nullopt);
    }

    void modes_data() {
        test::colonnes<QString, bool, QString>({"etapes", "nombre", "libMem"});
        ligne("x passe en mode nombre", "1= 1 |4=2.5|x", true, "1|0|0|2.5");
        ligne("- reste en mode durée", "3=4|-", false, "0|0|4|0");
        ligne("= revient en mode durée", "2=1|/|4=2|=", false, "|||");
        ligne("Effacer garde le mode nombre", "2=1|x|Effacer", true, "0|1|0|0");
    }
    void modes() {
        QFETCH(QString, etapes);
        QFETCH(bool, nombre);
        QFETCH(QString, libMem);

        CalculatriceTemps calc;
        rejouer(calc, etapes, u'.');
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(calc.visible(i), !nombre);
        QVERIFY(calc.visible(4));
        QCOMPARE(calc.lib_operVisible(), !calc.lib_oper().isEmpty());
        QCOMPARE(QStringList({calc.lib_mem(1), calc.lib_mem(2), calc.lib_mem(3), calc.lib_mem(4)})
                     .join(u'|'),
                 libMem);
    }

    void report_data() {
        test::colonnes<QString, QString>({"etapes", "champs"});
        ligne("60 s restent", "4=60", "0|0|0|60");
        ligne("report en cascade", "2=24|3=60|4=61", "1|1|1|1");
        ligne("décimale non reportée gardée", "4=30.5", "0|0|0|30.5");
        ligne("décimale perdue au report", "4=90.7", "0|0|1|31");
        ligne("champs vides à 0", "1=|2= |4=5", "0|0|0|5");
        ligne("hors 32 bits inchangé", "4=99999999999", "0|0|0|99999999999");
        ligne("report qui déborderait inchangé", "1=2147483647|2=25", "2147483647|25|0|0");
        ligne("90 reste multiplicateur", "x|4=90", "0|0|0|90");
    }
    void report() {
        QFETCH(QString, etapes);
        CalculatriceTemps calc;
        rejouer(calc, etapes, u'.');
        calc.quitterChamp();
        QTEST(::champs(calc), "champs");
    }

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

    void alignement_data() {
        test::colonnes<QString, QString>({"texte", "aligne"});
        ligne("a first operand is one blank short of an operator line",
              "\n 001 J  02:03:04 \n+ 000 J  01:00:00 \n= 001 J  03:03:04 \n",
              "\n  001 J  02:03:04 \n+ 000 J  01:00:00 \n= 001 J  03:03:04 \n");
        ligne("a pending first operand, with no break after it", "\n 000 J  01:00:00 ",
              "\n 000 J  01:00:00 ");
        ligne("the empty lines between calculations stay empty", "\n 1 \n= 2 \n\n 33 \n",
              "\n  1 \n= 2 \n\n 33 \n");
    }
    void alignement() {
        QFETCH(QString, texte);
        QTEST(alignerADroite(texte), "aligne");
    }

    // A kept tape left on an operand still ends with a line break.
    void fichierFiniParUnSaut() {
        QCOMPARE(texteReleve(Releve::Bande, QDateTime(QDate(2026, 1, 5), QTime(9, 4, 3)),
                             u"\n 000 J  01:00:00 "_s),
                 u"Orvaline - Calculatrice de Temps, bande du 05/01/2026 à 09:04:03\n"
                 "\n 000 J  01:00:00 \n"_s);
    }
};

QTEST_GUILESS_MAIN(TestCalculatriceTemps)
#include "tst_calculatricetemps.moc"
