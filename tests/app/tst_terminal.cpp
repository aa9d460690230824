// SPDX-License-Identifier: GPL-3.0-or-later
// The program's calculations in the terminal, run through the real program and checked
// against the calculators' own routines fed the same texts the windows would.
#include "core/calculdates.h"
#include "fichierstest.h"
#include "lignes.h"
#include "platform/verrouinstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;
using namespace orvaline::test;

namespace {

struct Sortie {
    int code = -1;
    QString texte;   // standard output
    QString erreurs; // standard error
};

// No display and a home of its own, with a private run folder.
QProcessEnvironment sansAffichage(const QString& maison) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(nom));
    env.insert(QStringLiteral("HOME"), maison);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), maison + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), maison + QStringLiteral("/run"));
    QDir().mkpath(maison + QStringLiteral("/run"));
    QFile::setPermissions(maison + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return env;
}

// Runs a program with sansAffichage(maison); `arguments` after the program.
Sortie lancer(const QString& programme, const QStringList& arguments, const QString& maison,
              const QByteArray& entree = {}) {
    QProcess p;
    p.setProcessEnvironment(sansAffichage(maison));
    p.start(programme, arguments);
    if (!p.waitForStarted(10000)) return {};
    p.write(entree);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The window's date calculation for an increment: its end date.
QString dateDeLaFenetre(const QString& date, const QString& increment, int ligne, bool alsace) {
    return calculdates({date, increment, QString(), ligne, alsace}).dateFin.value_or(QString());
}

} // namespace

class TestTerminal : public QObject {
    Q_OBJECT
    QTemporaryDir m_maison;

    Sortie calcul(const QStringList& options, const QString& expression) {
        return lancer(QStringLiteral(ORVALINE_PROGRAMME),
                      QStringList(options) << QStringLiteral("-c") << expression, m_maison.path());
    }

private slots:
    void initTestCase() { QVERIFY(m_maison.isValid()); }

    // Answers known by heart: every unit and the ways dates and units are written, the range
    // limits, each output form, durations.
    void resultats_data() {
        colonnes<QString, QString, QString>({"options", "expression", "attendu"});
        ligne("heures", "", "29/02/2024 - 25 heures", "27/02/2024");
        ligne("semaines", "", "29/02/2024 + 25 semaines", "22/08/2024");
        ligne("trimestres", "", "29/02/2024 - 2 trim", "29/08/2023");
        ligne("années", "", "29/02/2024 + 25 ans", "28/02/2049");
        ligne("jours ouvrés", "--metropole", "29/02/2024 + 25 jours ouvrés", "05/04/2024");
        ligne("jours ouvrés, Vendredi saint compris", "--alsace-moselle",
              "29/02/2024 + 25 jours ouvrés", "08/04/2024");
        ligne("jours ouvrables", "--metropole", "29/02/2024 - 25 jours ouvrables", "31/01/2024");
        ligne("blancs en trop et tabulation", "", "  31/01/2024 \t+  1   mois ", "29/02/2024");
        ligne("signe moins typographique", "", "01/03/2024 − 1 j", "29/02/2024");
        ligne("année sur deux chiffres", "", "15/12/90 + 1 j", "16/12/1990");
        ligne("dernier jour possible", "", "30/12/9999 + 1 jour", "31/12/9999");
        ligne("premier jour possible", "", "02/01/0100 - 24 h", "01/01/0100");
        ligne("date en ISO", "--iso", "31/01/2024 + 1 mois", "2024-02-29");
        ligne("heures en ISO", "--iso", "29/02/2024 + 5 h", "2024-02-29T05:00");
        ligne("années comptées", "--iso", "15/12/1990 .. 01/01/2026 en années", "36");
        ligne("un seul jour", "", "01/01/2026 .. 02/01/2026 en jours", "1 jour");
        ligne("écart à rebours", "", "06/12/2026 .. 15/12/1990 en ans, mois et jours",
              "−35 ans, 11 mois et 22 jours");
        ligne("écart exact en ISO", "--iso", "15/12/1990..06/12/2026", "P35Y11M21D");
        ligne("écart nul en ISO", "--iso", "06/12/2026 .. 06/12/2026", "P0D");
        ligne("semaines et jours en ISO", "--iso", "01/01/2026 .. 27/09/2026 en semaines et jours",
              "P38W3D");
        ligne("écart à rebours en ISO", "--iso", "31/03/2024 .. 29/02/2024", "-P1M");
        ligne("premier janvier", "--metropole", "2027-01-01",
              "vendredi 1er janvier 2027 : semaine 53, 1er jour de l’année, férié (jour de l’An)");
        ligne("Vendredi saint en Alsace-Moselle", "--alsace-moselle --iso", "03/04/2026",
              "2026-04-03\t2026-W14-5\t2026-093\tVendredi saint");
        ligne("Vendredi saint ailleurs", "--metropole --iso", "03/04/2026",
              "2026-04-03\t2026-W14-5\t2026-093\t");
        ligne("durées ajoutées", "", "2 j 03:20 + 20:40:30", "003 J  00:00:30");
        ligne("durée multipliée par 2,5", "", "01:00 × 2,5", "000 J  02:30:00");
        ligne("durée divisée, tronquée", "", "00:00:10 / 3", "000 J  00:00:03");
        ligne("durée en ISO", "--iso", "2 j 8 h 30 min + 0:00", "P2DT8H30M");
        ligne("durée nulle en ISO", "--iso", "01:00 - 01:00", "PT0S");
    }
    void resultats() {
        QFETCH(QString, options);
        QFETCH(QString, expression);
        QFETCH(QString, attendu);
        const Sortie s = calcul(options.split(u' ', Qt::SkipEmptyParts), expression);
        QCOMPARE(s.erreurs, QString());
        QCOMPARE(s.code, 0);
        QCOMPARE(s.texte, attendu + u'\n');
    }

    // The year's holidays, Alsace-Moselle's among them, one a line in either form.
    void feries2026() {
        const Sortie s =
            calcul({QStringLiteral("--alsace-moselle")}, QStringLiteral("fériés 2026"));
        QCOMPARE(s.code, 0);
        QCOMPARE(s.texte.count(u'\n'), 13);
        QVERIFY2(s.texte.startsWith(QStringLiteral("jeudi 1er janvier : jour de l’An\n"
                                                   "vendredi 3 avril : Vendredi saint\n")),
                 qPrintable(s.texte));
        const Sortie iso = calcul({QStringLiteral("--iso"), QStringLiteral("--alsace-moselle")},
                                  QStringLiteral("Feries 2026"));
        QCOMPARE(iso.texte.count(u'\n'), 13);
        QVERIFY2(iso.texte.startsWith(
                     QStringLiteral("2026-01-01\tJour de l’An\n2026-04-03\tVendredi saint\n")),
                 qPrintable(iso.texte));
    }

    // What cannot be computed ends with 1 and a French reason naming the expression; a
    // command line that is wrong ends with 2.
    void erreurs_data() {
        // arguments: separated by '|'
        colonnes<QString, int, QString>({"arguments", "code", "message"});
        ligne("mois 13", "-c|31/13/2025 + 1 jour", 1,
              "« 31/13/2025 + 1 jour » : la date 31/13/2025 n'existe pas.");
        ligne("année hors plage", "-c|01/01/0099", 1, "sort des années 0100 à 9999");
        ligne("après 9999", "-c|31/12/9999 + 1 j", 1, "le résultat sort des dates possibles");
        ligne("unité inconnue", "-c|01/01/2026 + 3 lunes", 1, "l'unité « lunes » est inconnue");
        ligne("nombre sans unité", "-c|01/01/2026 + 3", 1, "il manque l'unité après « 3 »");
        ligne("mot seul", "-c|bonjour", 1, "expression illisible");
        ligne("division par zéro", "-c|01:00 / 0", 1, "division par zéro");
        ligne("multiplicateur absent", "-c|3 h x", 1, "il manque le nombre après « x »");
        ligne("minutes de trop", "-c|01:75 + 01:00", 1, "plus de 59 minutes");
        ligne("durée trop longue", "-c|30000 j 00:00 x 2", 1, "la durée dépasse");
        ligne("année des fériés", "-c|fériés 12000", 1, "l'année 12000 sort des années");
        ligne("--calcul sans expression", "--calcul", 2, "attend une expression");
        ligne("deux régions", "--metropole|--alsace-moselle|-c|25/05/2026", 2, "s'excluent");
        ligne("--iso sans --calcul", "--iso", 2, "ne servent qu'avec --calcul");
        ligne("expression sans guillemets", "-c|fériés|2026", 2, "argument inattendu « 2026 »");
    }
    void erreurs() {
        QFETCH(QString, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        const Sortie s =
            lancer(QStringLiteral(ORVALINE_PROGRAMME), arguments.split(u'|'), m_maison.path());
        QCOMPARE(s.code, code);
        QCOMPARE(s.texte, QString());
        QVERIFY2(s.erreurs.startsWith(QStringLiteral("orvaline : ")), qPrintable(s.erreurs));
        QVERIFY2(s.erreurs.contains(message), qPrintable(s.erreurs));
    }

    // One result a line, in order, an empty line for each failure, whatever the length.
    void lot() {
        QByteArray entree;
        QStringList attendu;
        for (int i = 0; i < 10000; ++i) {
            const QString jour = QDate(2026, 1, 1).addDays(i % 365).toString(u"dd/MM/yyyy");
            if (i == 4321 || i == 4322 || i == 9000) {
                entree += i == 4321   ? "31/13/2026 + 1 j\n"
                          : i == 4322 ? "01/01/2026 + 1 lune\n"
                                      : "\n";
                attendu << QString();
            } else {
                entree += (jour + QStringLiteral(" + %1 jours ouvrés\r\n").arg(i % 40)).toUtf8();
                attendu << dateDeLaFenetre(jour, QString::number(i % 40), 6, false);
            }
        }
        const Sortie s =
            lancer(QStringLiteral(ORVALINE_PROGRAMME),
                   {QStringLiteral("--metropole"), QStringLiteral("--calcul"), QStringLiteral("-")},
                   m_maison.path(), entree);
        QCOMPARE(s.code, 1);
        const QStringList lignes = s.texte.split(u'\n');
        QCOMPARE(lignes.size(), 10001);
        QCOMPARE(lignes.mid(0, 10000), attendu);
        const QStringList messages = s.erreurs.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(messages.size(), 3);
        QVERIFY2(messages[0].startsWith(QStringLiteral("orvaline : ligne 4322 : ")),
                 qPrintable(messages[0]));
        QVERIFY(messages[2].startsWith(QStringLiteral("orvaline : ligne 9001 : ")));
    }

    // A line with no end in sight is refused as too long without being held whole; the lines
    // after it are answered.
    void ligneSansFin() {
        const QByteArray entree = QByteArray(3'000'000, '1') + "\n31/01/2024 + 1 mois\n";
        const Sortie s =
            lancer(QStringLiteral(ORVALINE_PROGRAMME), {QStringLiteral("-c"), QStringLiteral("-")},
                   m_maison.path(), entree);
        QCOMPARE(s.code, 1);
        QCOMPARE(s.texte, QStringLiteral("\n29/02/2024\n"));
        QVERIFY2(s.erreurs.startsWith(QStringLiteral("orvaline : ligne 1 : « 111")),
                 qPrintable(s.erreurs));
        QVERIFY(s.erreurs.contains(QStringLiteral("l'expression est trop longue")));
    }

    // With no display at all and a window copy holding the lock, the settings file decides
    // Alsace-Moselle, and it is left exactly as it was, with nothing new beside it.
    void sansBureau() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString maison = dossier.filePath(QStringLiteral("maison"));
        const QString appli = dossier.filePath(QStringLiteral("appli"));
        QVERIFY(QDir().mkpath(appli));
        // A portable copy: the settings file beside the program.
        const QString programme = appli + QStringLiteral("/orvaline");
        QVERIFY(QFile::copy(QStringLiteral(ORVALINE_PROGRAMME), programme));
        QVERIFY(QFile::copy(QStringLiteral(ORVALINE_MODULE_FENETRES),
                            appli + QStringLiteral("/liborvaline_fenetres.so")));
        const QString ini = appli + QStringLiteral("/Orvaline.ini");
        QVERIFY(ecrire(ini, "\r\n[Options]\r\nSaisdate=1\r\nSaisnombre=1\r\n"
                            "Navigateur=/usr/bin/xdg-open\r\nAlsacemoselle=1\r\n"));

        QProcess fenetre;
        QProcessEnvironment env = sansAffichage(maison);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        fenetre.setProcessEnvironment(env);
        fenetre.start(programme, {});
        QVERIFY(fenetre.waitForStarted());
        const QString verrou = maison + QStringLiteral("/run/orvaline.lock");
        QTRY_VERIFY_WITH_TIMEOUT(!VerrouInstance(verrou).acquerir(), 30000);
        QTest::qWait(500); // the window copy's own start-up writes are over
        const QByteArray avant = lire(ini);
        const QStringList fichiers = QDir(appli).entryList(QDir::AllEntries | QDir::Hidden);
        const QStringList maisonAvant = QDir(maison).entryList(QDir::AllEntries | QDir::Hidden);

        const Sortie alsace = lancer(programme, {QStringLiteral("-c"), QStringLiteral("-")}, maison,
                                     "03/04/2026\n01/04/2026 .. 30/04/2026 en j. ouvrés\n");
        const Sortie metropole = lancer(
            programme,
            {QStringLiteral("--metropole"), QStringLiteral("-c"), QStringLiteral("03/04/2026")},
            maison);
        fenetre.kill();
        fenetre.waitForFinished();

        QCOMPARE(alsace.erreurs, QString());
        QCOMPARE(alsace.texte,
                 QStringLiteral("vendredi 3 avril 2026 : semaine 14, 93e jour de l’année, férié "
                                "(Vendredi saint)\n19 jours ouvrés\n"));
        QCOMPARE(metropole.code, 0);
        QVERIFY(!metropole.texte.contains(QStringLiteral("férié")));
        QCOMPARE(lire(ini), avant);
        QCOMPARE(QDir(appli).entryList(QDir::AllEntries | QDir::Hidden), fichiers);
        QCOMPARE(QDir(maison).entryList(QDir::AllEntries | QDir::Hidden), maisonAvant);
    }
};

QTEST_GUILESS_MAIN(TestTerminal)
#include "tst_terminal.moc"
