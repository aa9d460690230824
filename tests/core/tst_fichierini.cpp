// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fichierini.h"

#include "fichierstest.h"
#include "lignes.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvaline;

namespace {

using test::lire;

// Literal bytes, embedded zeros included.
template <std::size_t N> QByteArray octets(const char (&s)[N]) {
    return QByteArray(s, N - 1);
}

} // namespace

class TestFichierIni : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;
    QString fichier;

private slots:
    void init() { fichier = dossier.filePath(QStringLiteral("Orvaline.ini")); }
    void cleanup() {
        QFile::setPermissions(dossier.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(fichier, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(fichier);
    }

    void lecture_data() {
        // attendu: null when nothing is found
        test::colonnes<QByteArray, QString, int, QString>({"contenu", "cle", "taille", "attendu"});
        const char* rien = nullptr;
        auto ligne = [](const char* nom, const QByteArray& contenu, const char* cle, int taille,
                        const char* attendu) {
            QTest::newRow(nom) << contenu << QString::fromUtf8(cle) << taille
                               << (attendu ? QString::fromUtf8(attendu) : QString());
        };
        ligne("blancs autour des noms et de la valeur", " [ Options ] \n  Saisdate =  0  \n",
              "Saisdate", 5, "0");
        ligne("casse ignorée", "[OPTIONS]\nSAISDATE=1\n", "saisdate", 5, "1");
        ligne("clé d'une autre section", "[Autre]\nSaisdate=0\n[Options]\nA=1\n", "Saisdate", 5,
              rien);
        ligne("clé avant toute section", "Saisdate=1\n[Options]\n", "Saisdate", 5, rien);
        ligne("commentaire", "[Options]\n;Saisdate=1\n#Saisdate=1\n", "Saisdate", 5, rien);
        ligne("doublon : la première gagne", "[Options]\nSaisdate=0\nSaisdate=1\n", "Saisdate", 5,
              "0");
        ligne("coupée à la taille moins un", "[Options]\nNavigateur=/usr/bin/xdg-open\n",
              "Navigateur", 5, "/usr");
        ligne("blancs exposés par la coupe", "[Options]\nA=ab   cd\n", "A", 5, "ab");
        ligne("taille nulle", "[Options]\nA=1\n", "A", 0, rien);
        ligne("signe égal dans la valeur", "[Options]\nA=x=y\n", "A", 150, "x=y");
        ligne("guillemets retirés", "[Options]\nN= \" /usr/bin/nav \" \n", "N", 150,
              "/usr/bin/nav");
        ligne("guillemet seul gardé", "[Options]\nN=\"/usr/bin/nav\n", "N", 150, "\"/usr/bin/nav");
        ligne("pas de demi-caractère", "[Options]\nA=ab\xF0\x9F\x98\x80\n", "A", 4, "ab");
        ligne("marque UTF-8 en tête", "\xEF\xBB\xBF[Options]\nA=1\n", "A", 5, "1");
        ligne("binaire", octets("\xFF\x00\xFE[Opt\x00ions]\n\x80=\x81"), "A", 5, rien);
        ligne("clé lisible dans du binaire", octets("\xFF\x00\n[Options]\r\nA=1\n\x00\xFF"), "A", 5,
              "1");
    }
    void lecture() {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, cle);
        QFETCH(int, taille);
        QFETCH(QString, attendu);
        QVERIFY(test::ecrire(fichier, contenu));
        const auto valeur = lireini(fichier, QStringLiteral("Options"), cle, qint16(taille));
        QCOMPARE(valeur.has_value(), !attendu.isNull());
        if (valeur) QCOMPARE(*valeur, attendu);
    }

    void lectureSansFichier() {
        QVERIFY(!lireini(fichier, QStringLiteral("Options"), QStringLiteral("A"), 5));
        QVERIFY(!lireini(QString(), QStringLiteral("Options"), QStringLiteral("A"), 5));
        QVERIFY(!lireini(dossier.path(), QStringLiteral("Options"), QStringLiteral("A"), 5));
    }

    void ecriture_data() {
        test::colonnes<QByteArray, QString, QString, QByteArray>(
            {"avant", "cle", "valeur", "apres"});
        auto ligne = [](const char* nom, const QByteArray& avant, const char* cle,
                        const char* valeur, const QByteArray& apres) {
            QTest::newRow(nom) << avant << QString::fromUtf8(cle) << QString::fromUtf8(valeur)
                               << apres;
        };
        ligne("remplace, le reste intact",
              "; mes réglages\r\n\r\n[Options]\r\n  Saisdate = 0 \r\n\r\n[Autre]\r\nx=1\r\n",
              "Saisdate", "1",
              "; mes réglages\r\n\r\n[Options]\r\nSaisdate=1\r\n\r\n[Autre]\r\nx=1\r\n");
        ligne("ajout après la dernière entrée",
              "\r\n[Options]\r\nSaisdate=1\r\nNavigateur=/usr/bin/xdg-open\r\n", "Saisnombre", "1",
              "\r\n[Options]\r\nSaisdate=1\r\nNavigateur=/usr/bin/xdg-open\r\nSaisnombre=1\r\n");
        ligne("blancs et commentaires suivants laissés", "[Options]\nA=1\n\n; suite\n[B]\nb=2\n",
              "C", "3", "[Options]\nA=1\nC=3\n\n; suite\n[B]\nb=2\n");
        ligne("section absente ajoutée à la fin", "[B]\nb=2\n", "C", "3",
              "[B]\nb=2\n[Options]\nC=3\n");
        ligne("pas de fichier", QByteArray(), "A", "1", "[Options]\r\nA=1\r\n");
        ligne("doublon : la première change", "[Options]\nA=0\nA=5\n", "A", "1",
              "[Options]\nA=1\nA=5\n");
        ligne("fins de ligne mêlées", "[Options]\r\nA=1\nB=2\r\n", "C", "3",
              "[Options]\r\nA=1\nB=2\r\nC=3\r\n");
        ligne("UTF-8", "[Options]\n", "N", "/opt/Éditeur", "[Options]\nN=/opt/Éditeur\n");
        ligne("octets invalides gardés", octets("\xFF\x00x\n[Options]\nA=1\n\x80\n"), "A", "2",
              octets("\xFF\x00x\n[Options]\nA=2\n\x80\n"));
    }
    void ecriture() {
        QFETCH(QByteArray, avant);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        if (!avant.isNull()) QVERIFY(test::ecrire(fichier, avant));
        QVERIFY(ecrireini(QStringLiteral("Options"), cle, valeur, fichier));
        QTEST(lire(fichier), "apres");
    }

    void refus_data() {
        test::colonnes<QString, QString, QString>({"section", "cle", "valeur"});
        using test::ligne;
        ligne("saut dans la valeur", "Options", "Navigateur", "x\n[Options]\nA=0");
        ligne("égal dans la clé", "Options", "A=B", "1");
        // Read back, these would be a comment or a section heading, never the key.
        ligne("clé en point-virgule", "Options", ";A", "1");
        ligne("clé en dièse", "Options", "#A", "1");
        ligne("clé en crochet", "Options", "[A", "1");
        ligne("clé en point-virgule après des blancs", "Options", "  ;A", "1");
        ligne("saut dans la clé", "Options", "A\nB", "1");
        ligne("clé vide", "Options", " ", "1");
        ligne("crochet dans la section", "Opt]ions", "A", "1");
        ligne("caractère de contrôle dans la section", "Opt\x01ions", "A", "1");
        ligne("NUL dans la valeur", "Options", "A", QString(QChar(0)));
        ligne("marque d'ordre dans la clé", "Options", QChar(0xFEFF) + QStringLiteral("A"), "1");
        ligne("demi-caractère dans la clé", "Options", QString(QChar(0xD800)), "1");
    }
    void refus() {
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        const QByteArray avant("[Options]\nA=1\n");
        QVERIFY(test::ecrire(fichier, avant));
        QString erreur;
        QVERIFY(!ecrireini(section, cle, valeur, fichier, &erreur));
        QVERIFY(!erreur.isEmpty());
        QCOMPARE(lire(fichier), avant);
    }

    void coupureBrutale() {
        // A process killed at any moment of a write leaves the old file or the new one.
        const QString a(40000, u'a'), b(40000, u'b');
        auto contenu = [](const QString& v) {
            return "[Options]\r\nA=" + v.toUtf8() + "\r\nB=1\r\n";
        };
        QVERIFY(test::ecrire(fichier, contenu(a)));
        QRandomGenerator hasard(7);
        for (int essai = 0; essai < 150; ++essai) {
            const pid_t enfant = ::fork();
            if (enfant == 0) {
                for (int n = 0;; ++n)
                    ecrireini(QStringLiteral("Options"), QStringLiteral("A"), n % 2 ? a : b,
                              fichier);
            }
            ::usleep(hasard.bounded(4000));
            ::kill(enfant, SIGKILL);
            ::waitpid(enfant, nullptr, 0);
            const QByteArray apres = lire(fichier);
            QVERIFY2(apres == contenu(a) || apres == contenu(b), apres.left(60).constData());
        }
    }

    void protege_data() {
        test::colonnes<bool, int, QByteArray>({"dossierProtege", "droits", "apres"});
        const QByteArray avant("[Options]\nA=1\n");
        QTest::newRow("fichier en lecture seule") << false << int(QFile::ReadOwner) << avant;
        QTest::newRow("fichier illisible") << false << int(QFile::WriteOwner) << avant;
        // No temporary file can go there, but the file itself takes the write.
        QTest::newRow("dossier en lecture seule, fichier inscriptible")
            << true << int(QFile::ReadOwner | QFile::WriteOwner)
            << QByteArray("[Options]\nA=1\nB=2\n");
    }
    void protege() {
        QFETCH(bool, dossierProtege);
        QFETCH(int, droits);
        QVERIFY(test::ecrire(fichier, "[Options]\nA=1\n"));
        QFile::setPermissions(fichier, QFile::Permissions(droits));
        if (dossierProtege)
            QFile::setPermissions(dossier.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool reussite = test::commeUtilisateurOrdinaire(dossier.path(), [&] {
            return ecrireini(QStringLiteral("Options"), QStringLiteral("B"), QStringLiteral("2"),
                             fichier);
        });
        QCOMPARE(reussite, dossierProtege);
        QFile::setPermissions(fichier, QFile::ReadOwner);
        QTEST(lire(fichier), "apres");
    }
};

QTEST_APPLESS_MAIN(TestFichierIni)
#include "tst_fichierini.moc"
