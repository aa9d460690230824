// SPDX-License-Identifier: GPL-3.0-or-later
// The browser chosen in the options and the Internet connection check.
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "shared/internet.h"
#include "shared/libcalc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;
using test::ligne;

class TestInternet : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;

    // Longer than any short buffer, and executable.
    QString cheminProgramme() const { return m_dossier.filePath(QString(200, u'n')); }

private slots:
    void init() {
        m_faux = test::installerFaux();
        libcalc() = Libcalc{};
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().fichier_ini = m_dossier.filePath(QStringLiteral("Orvaline.ini"));
        QVERIFY(test::preparerNavigateur(m_dossier.path(), cheminProgramme()));
        QVERIFY(test::ecrire(cheminProgramme() + QStringLiteral("-texte"), "x"));
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
        QVERIFY(QDir(m_dossier.path()).mkpath(QStringLiteral("navig-dossier")));
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

QTEST_MAIN(TestInternet)
#include "tst_internet.moc"
