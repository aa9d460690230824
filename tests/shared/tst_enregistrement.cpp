// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a text file all at once: an earlier, longer file replaced, and the failures that must
// leave an earlier file as it was.
#include "fichierstest.h"
#include "lignes.h"
#include "shared/enregistrement.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace orvaline;
using namespace Qt::StringLiterals;

class TestEnregistrement : public QObject {
    Q_OBJECT
private slots:
    void remplaceUnAncienFichier() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(u"bande.txt"_s);
        QVERIFY(test::ecrire(chemin, QByteArray(5000, 'x')));
        QCOMPARE(enregistrerTexte(chemin, u"court\n"_s), std::nullopt);
        QCOMPARE(test::lire(chemin), QByteArray("court\n"));
    }

    void echec_data() {
        test::colonnes<QString, QString>({"cible", "raison"});
        test::ligne("a read-only folder", "protege/nouvelle.txt", "droit d'écrire");
        test::ligne("a read-only earlier file", "ouvert/ancien.txt", "protégé contre l'écriture");
        test::ligne("the name of a folder", "ouvert", "nom est celui d'un dossier");
    }
    void echec() {
        QFETCH(QString, cible);
        QFETCH(QString, raison);
        QTemporaryDir racine;
        const QDir dir(racine.path());
        QVERIFY(dir.mkdir(u"protege"_s) && dir.mkdir(u"ouvert"_s));
        const QString ancien = dir.filePath(u"protege/bande.txt"_s);
        const QString ancienOuvert = dir.filePath(u"ouvert/ancien.txt"_s);
        QVERIFY(test::ecrire(ancien, "garde\n") && test::ecrire(ancienOuvert, "garde aussi\n"));
        QFile::setPermissions(ancienOuvert, QFile::ReadOwner);
        QFile::setPermissions(dir.filePath(u"protege"_s), QFile::ReadOwner | QFile::ExeOwner);
        const auto retablir = qScopeGuard([&] {
            QFile::setPermissions(dir.filePath(u"protege"_s),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        QVERIFY(test::commeUtilisateurOrdinaire(racine.path(), [&] {
            const auto obtenue = enregistrerTexte(dir.filePath(cible), u"nouveau\n"_s);
            const bool attendue = obtenue && obtenue->contains(raison);
            if (!attendue)
                std::fprintf(stderr, "raison : %s\n", qPrintable(obtenue.value_or(u"aucune"_s)));
            return attendue;
        }));
        QCOMPARE(test::lire(ancien), QByteArray("garde\n"));
        QCOMPARE(test::lire(ancienOuvert), QByteArray("garde aussi\n"));
        // No temporary copy is left behind in a folder that could be written to.
        QCOMPARE(QDir(dir.filePath(u"ouvert"_s)).entryList(QDir::Files),
                 QStringList{u"ancien.txt"_s});
    }

    // The disk fills up while the file is written: the reason says so and the earlier file
    // stays. The file size limit plays the full disk.
    void disquePlein() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(u"bande.txt"_s);
        QVERIFY(test::ecrire(chemin, "garde\n"));
        rlimit avant{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &avant), 0);
        const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
        rlimit petite = avant;
        petite.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &petite), 0);
        const auto obtenue = enregistrerTexte(chemin, QString(100000, u'x'));
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signalAvant);

        QVERIFY(obtenue);
        QVERIFY2(obtenue->contains(u"le disque est peut-être plein"_s), qPrintable(*obtenue));
        QCOMPARE(test::lire(chemin), QByteArray("garde\n"));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{u"bande.txt"_s});
    }
};

QTEST_GUILESS_MAIN(TestEnregistrement)
#include "tst_enregistrement.moc"
