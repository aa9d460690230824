// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichierstest.h"
#include "platform/verrouinstance.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

using namespace orvaline;

// The single-copy lock, and what its file must never do: write through a link someone left in
// its place, or stay held by a program Orvaline started.
class TestVerrou : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestVerrou)
#include "tst_verrou.moc"
