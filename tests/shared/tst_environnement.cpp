// SPDX-License-Identifier: GPL-3.0-or-later
// The regional checks, window placement and the single-copy lock.
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "platform/verrouinstance.h"
#include "shared/libcalc.h"
#include "shared/verifications.h"
#include "windows/common/fenetres.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

using namespace orvaline;
using test::ligne;

class TestEnvironnement : public QObject {
    Q_OBJECT
    test::Faux m_faux{};

private slots:
    void init() {
        m_faux = test::installerFaux();
        libcalc() = Libcalc{};
        libcalc().saut_ligne = QStringLiteral("\r\n");
        oublierAvertissementDecimal();
    }

    void symboleDecimal_data() {
        test::colonnes<QString, QString, int, int>(
            {"decimal", "milliers", "attendu", "avertissements"});
        ligne("point", ".", " ", 1, 0);
        ligne("virgule", ",", " ", 2, 0);
        ligne("virgule, point en milliers", ",", ".", 2, 0);
        ligne("ni l'un ni l'autre", QString(QChar(0x066B)), " ", 1, 1);
    }
    void symboleDecimal() {
        QFETCH(QString, decimal);
        QFETCH(QString, milliers);
        m_faux.regionaux->decimal = decimal;
        m_faux.regionaux->milliers = milliers;
        // Every check gives the same answer, and the warning never comes twice.
        for (int i = 0; i < 3; ++i) {
            verifiersymboledecimal();
            QTEST(int(libcalc().symbole_decimal), "attendu");
            QTEST(int(m_faux.boite->messages.size()), "avertissements");
        }
    }

    // A window wider than the screen starts at its left edge, still centred in height. (The
    // real-screen test measures where the others land.)
    void placementTropLarge() {
        const Placement p = calculerPlacement(20000, 5950, 19200, 14400);
        QCOMPARE(p.gauche, 0.0);
        QCOMPARE(p.haut, 4225.0);
    }

    void verrouAbandonneRepris_data() {
        test::colonnes<QByteArray, int>({"contenu", "droits"});
        const QByteArray hote = QSysInfo::machineHostName().toUtf8();
        const int lecture = int(QFile::ReadOwner | QFile::WriteOwner);
        QTest::newRow("illisible") << QByteArray("1\n") << 0;
        QTest::newRow("n'importe quoi") << QByteArray("\xFF\x00zz\n\n") << lecture;
        QTest::newRow("processus mort") << "999999\nOrvaline\n" + hote + "\n" << lecture;
        // Process 1 runs, but it is not Orvaline.
        QTest::newRow("numéro repris") << "1\nOrvaline\n" + hote + "\n" << lecture;
    }
    void verrouAbandonneRepris() {
        QFETCH(QByteArray, contenu);
        QFETCH(int, droits);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("orvaline.lock"));
        QVERIFY(test::ecrire(chemin, contenu));
        QFile::setPermissions(chemin, QFile::Permissions(droits));
        QVERIFY(test::commeUtilisateurOrdinaire(dossier.path(),
                                                [&] { return VerrouInstance(chemin).acquerir(); }));
    }

    // The lock file must never write through a link someone left in its place.
    void lienNonSuivi() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("orvaline.lock"));
        const QString cible = dossier.filePath(QStringLiteral("précieux.txt"));
        const QByteArray contenu("à garder tel quel\n");
        QVERIFY(test::ecrire(cible, contenu));
        QVERIFY(QFile::link(cible, chemin));

        auto premiere = std::make_unique<VerrouInstance>(chemin);
        QVERIFY(premiere->acquerir());
        QCOMPARE(test::lire(cible), contenu);
        QVERIFY(!QFileInfo(chemin).isSymLink());
        // The lock taken in the link's place still keeps a second copy out, until the first
        // copy is gone with its lock file.
        VerrouInstance seconde(chemin);
        QVERIFY(!seconde.acquerir());
        premiere.reset();
        QVERIFY(!QFile::exists(chemin));
        QVERIFY(seconde.acquerir());
        QCOMPARE(test::lire(cible), contenu);
    }

    // A copy that ends without removing its lock file (a crash) leaves the lock to the system,
    // which drops it with the last descriptor: a program it had started must not hold one.
    void pasHeriteParUnProgrammeLance() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("orvaline.lock"));
        const QString garde = dossier.filePath(QStringLiteral("garde.lock"));
        auto premiere = std::make_unique<VerrouInstance>(chemin);
        QVERIFY(premiere->acquerir());

        QProcess programme;
        programme.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(programme.waitForStarted());
        // The lock file outlives its copy, as after a crash: a second name keeps it, and
        // comes back once the copy has let go.
        QCOMPARE(
            ::link(QFile::encodeName(chemin).constData(), QFile::encodeName(garde).constData()), 0);
        premiere.reset();
        QVERIFY(QFile::rename(garde, chemin));

        QCOMPARE(programme.state(), QProcess::Running);
        VerrouInstance suivante(chemin);
        const bool prise = suivante.acquerir();
        programme.kill();
        programme.waitForFinished();
        QVERIFY(prise);
    }
};

QTEST_MAIN(TestEnvironnement)
#include "tst_environnement.moc"
