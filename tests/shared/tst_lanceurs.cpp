// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the desktop calculator, the regional settings and the browser chosen in the
// options, the Internet connection check, and closing the calculator on the way out.
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "platform/lanceurprocessus.h"
#include "shared/internet.h"
#include "shared/lanceurs.h"
#include "shared/libcalc.h"
#include "shared/sortie.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvaline;
using test::ligne;
using namespace Qt::StringLiterals;

namespace {
// Field n of /proc/<pid>/stat, counted from 1 as the kernel documents them.
QByteArray champStat(qint64 pid, int n) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray texte = f.readAll();
    return texte.mid(texte.lastIndexOf(')') + 2).split(' ').value(n - 3);
}
} // namespace

class TestLanceurs : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;

    // Longer than any short buffer, and executable.
    QString cheminProgramme() const { return m_dossier.filePath(QString(200, u'n')); }

private slots:
    void init() {
        m_faux = test::installerFaux();
        fermerCalculatrice(); // forget what an earlier test started
        QVERIFY(test::preparerNavigateur(m_dossier.path(), cheminProgramme()));
        QVERIFY(test::ecrire(cheminProgramme() + QStringLiteral("-texte"), "x"));
        QVERIFY(QDir().mkpath(cheminProgramme() + QStringLiteral("-dossier")));
    }

    void calculatriceUneSeuleCopie() {
        m_faux.lanceur->installes = {QStringLiteral("xcalc")};
        lancercalculatrice(1);
        QVERIFY(m_faux.lanceur->devant.isEmpty());
        lancercalculatrice(1);
        QCOMPARE(m_faux.lanceur->lancements.size(), 1);
        // The copy that runs comes to the front instead.
        QCOMPARE(m_faux.lanceur->devant, QList<qint64>{4242});

        // Closed by the user: nothing to end on the way out (its number may be another
        // process's by then), and the next call starts a new one.
        m_faux.lanceur->vivants.clear();
        fermerCalculatrice();
        QVERIFY(m_faux.lanceur->arretes.isEmpty());
        m_faux.lanceur->pid = 5000;
        lancercalculatrice(1);
        QCOMPARE(m_faux.lanceur->lancements.size(), 2);
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    // A start that fails says which program; a failed calculator leaves nothing to close.
    void echecs_data() {
        test::colonnes<bool, QStringList, QString>({"panneau", "installes", "programme"});
        const QStringList aucun;
        ligne("aucune calculatrice", false, aucun, "gnome-calculator");
        ligne("calculatrice refusée", false, QStringList{u"galculator"_s}, "galculator");
        ligne("panneau refusé", true, QStringList{u"cinnamon-settings"_s},
              "cinnamon-settings region");
    }
    void echecs() {
        QFETCH(bool, panneau);
        QFETCH(QStringList, installes);
        QFETCH(QString, programme);
        m_faux.lanceur->installes = installes;
        m_faux.lanceur->pid = 0;
        if (panneau)
            lancerpanneau(2);
        else
            lancercalculatrice(1);
        QCOMPARE(m_faux.boite->messages.size(), 1);
        QVERIFY(m_faux.boite->messages.first().texte.contains(programme));
        fermerCalculatrice();
        QVERIFY(m_faux.lanceur->arretes.isEmpty());
    }

    // The real launcher: a process it started counts as running until it ends, even while
    // its memory grows (only its start time identifies it), and the request to end reaches it.
    void processusReel() {
        const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
        if (sh.isEmpty() || !QFile::exists(QStringLiteral("/proc/self/stat")))
            QSKIP("no sh or no /proc");
        LanceurProcessus lanceur;
        QVERIFY(!lanceur.enCours(0));
        QVERIFY(!lanceur.enCours(-1));
        const qint64 pid = lanceur.demarrer(
            sh, {QStringLiteral("-c"),
                 QStringLiteral("sleep 0.2; a=x; for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 "
                                "17 18 19 20 21 22; do a=$a$a; done; sleep 30")});
        QVERIFY(pid > 0);
        const QByteArray memoire = champStat(pid, 23);
        QTRY_VERIFY_WITH_TIMEOUT(champStat(pid, 23) != memoire, 5000);
        QVERIFY(lanceur.enCours(pid));
        // A process it did not start is never its own.
        QVERIFY(!LanceurProcessus().enCours(pid));
        lanceur.arreter(pid);
        QTRY_VERIFY_WITH_TIMEOUT(!lanceur.enCours(pid), 5000);
    }

    // The way out closes the calculator it started, not the user's own (777) beside it, runs
    // what was registered, then hides the windows through the window layer's routine, and
    // ends with the status given. It ends the process, so a child process leaves.
    void sortie() {
        m_faux.lanceur->installes = {QStringLiteral("xcalc")};
        m_faux.lanceur->vivants = {777};
        int tube[2];
        QCOMPARE(::pipe(tube), 0);
        const pid_t enfant = ::fork();
        if (enfant == 0) {
            ::close(tube[0]);
            const int fd = tube[1];
            lancercalculatrice(1);
            inscrireMasquage([fd] { (void)!::write(fd, "m", 1); });
            ajouterAvantSortie([fd, f = m_faux] {
                (void)!::write(fd, f.lanceur->arretes == QList<qint64>{4242} ? "f" : "?", 1);
            });
            fermerappli(3);
        }
        ::close(tube[1]);
        QByteArray lu;
        char c = 0;
        while (::read(tube[0], &c, 1) == 1)
            lu += c;
        ::close(tube[0]);
        int statut = 0;
        QCOMPARE(::waitpid(enfant, &statut, 0), enfant);
        QVERIFY(WIFEXITED(statut));
        QCOMPARE(WEXITSTATUS(statut), 3);
        QCOMPARE(lu, QByteArray("fm"));
    }

    void navigateur_data() {
        // ligne: the "Navigateur" line; message: a part of the message. %1: the program's path
        test::colonnes<QString, qint16, QString>({"ligne", "trouve", "message"});
        ligne("programme présent", "Navigateur=%1", qint16(1), "");
        ligne("pas exécutable", "Navigateur=%1-texte", qint16(0), "pas un programme exécutable");
        ligne("clé absente", "Saisdate=1", qint16(0), "[Mode-Options]");
        ligne("fichier absent", "Navigateur=  %1-absent ", qint16(0),
              "introuvable :\r\n\r\n%1-absent");
        ligne("un dossier n'est pas un programme", "Navigateur=%1-dossier", qint16(0),
              "introuvable :\r\n\r\n%1-dossier");
    }
    void navigateur() {
        QFETCH(QString, ligne);
        QFETCH(qint16, trouve);
        QFETCH(QString, message);
        const QByteArray ini = "[Options]\r\n" + ligne.arg(cheminProgramme()).toUtf8() + "\r\n";
        QVERIFY(test::ecrire(libcalc().fichier_ini, ini));

        QString chemin = QStringLiteral("ancien");
        qint16 resultat = 7;
        lirenavigateur(chemin, resultat);
        QCOMPARE(resultat, trouve);
        if (trouve == 1) {
            QCOMPARE(chemin, cheminProgramme());
            QVERIFY(m_faux.boite->messages.isEmpty());
        } else {
            QCOMPARE(m_faux.boite->messages.size(), 1);
            QVERIFY2(m_faux.boite->messages[0].texte.contains(message.arg(cheminProgramme())),
                     qPrintable(m_faux.boite->messages[0].texte));
        }
    }

    // Asked three times, half a second apart; connected at the third attempt, nobody is asked
    // anything. (The browser windows' tests answer the offline question both ways.)
    void connexion() {
        m_faux.connexion->reponses = {false, false, true};
        m_faux.connexion->etat = false;
        QElapsedTimer chrono;
        chrono.start();
        qint16 resultat = 7;
        verifierconnexion(1, resultat);
        QCOMPARE(resultat, qint16(1));
        QCOMPARE(m_faux.connexion->questions, 3);
        QVERIFY2(chrono.elapsed() >= 980 && chrono.elapsed() < 1400,
                 qPrintable(QString::number(chrono.elapsed())));
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    void lancement_data() {
        // suffixe: added to the program's path
        // numero: 0: started
        test::colonnes<qint64, QString, int>({"pid", "suffixe", "numero"});
        ligne("démarré", qint64(42), "", 0);
        ligne("introuvable", qint64(0), "-absent", 53);
        ligne("pas exécutable", qint64(0), "-texte", 75);
        ligne("échec du démarrage", qint64(0), "", 5);
    }
    void lancement() {
        QFETCH(qint64, pid);
        QFETCH(QString, suffixe);
        QFETCH(int, numero);
        // The address goes whole, as the one argument, never through a shell.
        const QString adresse = QStringLiteral("http://h/a b;rm -rf ~");
        m_faux.lanceur->pid = pid;
        const auto erreur = lancerNavigateur(cheminProgramme() + suffixe, adresse);
        QCOMPARE(m_faux.lanceur->lancements.value(0).arguments, QStringList{adresse});
        QCOMPARE(erreur.has_value(), numero != 0);
        if (erreur) QCOMPARE(erreur->numero, numero);
    }
};

QTEST_MAIN(TestLanceurs)
#include "tst_lanceurs.moc"
