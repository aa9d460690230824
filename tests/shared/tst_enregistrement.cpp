// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a text file all at once: an earlier, longer file replaced, and the failures that must
// leave an earlier file as it was.
#include "shared/enregistrement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <unistd.h>

using namespace orvaline;
using namespace Qt::StringLiterals;

namespace {
// Run by the test as another user: saves argv[2] with the text argv[3] and prints the reason
// of a failure.
int ecrireEnTantQueProgramme(const char* chemin, const char* texte) {
    const auto raison =
        enregistrerTexte(QString::fromLocal8Bit(chemin), QString::fromLocal8Bit(texte));
    if (!raison) return 0;
    std::fputs(raison->toUtf8().constData(), stdout);
    return 1;
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

void ecrireBrut(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}
} // namespace

class TestEnregistrement : public QObject {
    Q_OBJECT

    // Saves as an ordinary user would: root writes anywhere, so it hands the save to a copy of
    // this program running as nobody. Gives the reason of a failure, or "" on success.
    static QString enregistrerCommeUtilisateur(const QString& chemin, const QString& texte) {
        if (::geteuid() != 0) return enregistrerTexte(chemin, texte).value_or(QString());
        QProcess p;
        p.start(u"setpriv"_s,
                {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                 QCoreApplication::applicationFilePath(), u"--ecrire"_s, chemin, texte});
        if (!p.waitForFinished(10000)) return u"<l'aide n'a pas répondu>"_s;
        const QString sortie = QString::fromUtf8(p.readAllStandardOutput());
        if (p.exitCode() == 0) return QString();
        return sortie.isEmpty() ? u"<aide : "_s + QString::fromUtf8(p.readAllStandardError())
                                : sortie;
    }

private slots:
    void remplaceUnAncienFichier() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(u"bande.txt"_s);
        ecrireBrut(chemin, QByteArray(5000, 'x'));
        QCOMPARE(enregistrerTexte(chemin, u"court\n"_s), std::nullopt);
        QCOMPARE(lire(chemin), QByteArray("court\n"));
    }

    void echec_data() {
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("raison");
        QTest::newRow("a read-only folder") << u"protege/nouvelle.txt"_s << u"droit d'écrire"_s;
        QTest::newRow("a read-only earlier file")
            << u"ouvert/ancien.txt"_s << u"protégé contre l'écriture"_s;
        QTest::newRow("a folder that does not exist")
            << u"absent/bande.txt"_s << u"dossier n'existe pas"_s;
        QTest::newRow("the name of a folder") << u"ouvert"_s << u"nom est celui d'un dossier"_s;
    }
    void echec() {
        QFETCH(QString, cible);
        if (::geteuid() == 0 && QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
            QSKIP("root écrit partout et setpriv manque pour agir en simple utilisateur");
        QTemporaryDir racine;
        QVERIFY(QFile::setPermissions(racine.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadOther |
                                                         QFile::ExeOther | QFile::ReadGroup |
                                                         QFile::ExeGroup));
        QDir(racine.path()).mkdir(u"protege"_s);
        QDir(racine.path()).mkdir(u"ouvert"_s);
        const QString ancien = racine.filePath(u"protege/bande.txt"_s);
        ecrireBrut(ancien, "garde\n");
        const QString ancienOuvert = racine.filePath(u"ouvert/ancien.txt"_s);
        ecrireBrut(ancienOuvert, "garde aussi\n");
        const auto lecture = QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup;
        const auto passage = QFile::ExeOwner | QFile::ExeOther | QFile::ExeGroup;
        QFile::setPermissions(ancienOuvert, lecture);
        QFile::setPermissions(racine.filePath(u"protege"_s), lecture | passage);
        QFile::setPermissions(racine.filePath(u"ouvert"_s), lecture | passage | QFile::WriteOther |
                                                                QFile::WriteOwner |
                                                                QFile::WriteGroup);
        const auto retablir = qScopeGuard([&] {
            QFile::setPermissions(racine.filePath(u"protege"_s),
                                  lecture | passage | QFile::WriteOwner);
        });

        const QString obtenue = enregistrerCommeUtilisateur(racine.filePath(cible), u"nouveau\n"_s);
        QVERIFY2(!obtenue.isEmpty(), "l'enregistrement aurait dû échouer");
        QFETCH(QString, raison);
        QVERIFY2(obtenue.contains(raison), qPrintable(obtenue));
        QCOMPARE(lire(ancien), QByteArray("garde\n"));
        QCOMPARE(lire(ancienOuvert), QByteArray("garde aussi\n"));
        // No temporary copy is left behind in a folder that could be written to.
        QCOMPARE(QDir(racine.filePath(u"ouvert"_s)).entryList(QDir::Files),
                 QStringList{u"ancien.txt"_s});
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--ecrire") == 0)
        return ecrireEnTantQueProgramme(argv[2], argv[3]);
    QCoreApplication app(argc, argv);
    TestEnregistrement test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_enregistrement.moc"
