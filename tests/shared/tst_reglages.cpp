// SPDX-License-Identifier: GPL-3.0-or-later
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "shared/fichiers.h"
#include "shared/libcalc.h"
#include "shared/reglages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvaline;

using test::lire;

class TestReglages : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;
    test::Faux faux{};

    QString ici(const QString& nom) const { return dossier.filePath(nom); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        faux = test::installerFaux();
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().chemin_appli = dossier.path();
        libcalc().fichier_ini = ici(QStringLiteral("Orvaline.ini"));
        // Both off: the defaults a read gives are on.
        Options rien;
        rien.saisdate = rien.saisnombre = false;
        reglages().appliquer(rien);
    }
    void cleanup() {
        QFile::setPermissions(libcalc().fichier_ini, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(libcalc().fichier_ini);
    }

    void sansFichier() {
        QFile::remove(libcalc().fichier_ini);
        int fermetures = 0;
        QVERIFY(chargerReglages([&] { ++fermetures; }));
        QCOMPARE(libcalc().fichier_ini, ici(QStringLiteral("Orvaline.ini")));
        // The Alsace-Moselle key is written only once it changes.
        QCOMPARE(lire(libcalc().fichier_ini),
                 QByteArray("\r\n[Options]\r\nSaisdate=1\r\nSaisnombre=1\r\n"
                            "Navigateur=/usr/bin/xdg-open\r\n"));
        QVERIFY(reglages().opt_saisdate());
        QVERIFY(reglages().opt_saisnombre());
        QVERIFY(!reglages().alsacemoselle());
        QCOMPARE(fermetures, 0);
        QVERIFY(faux.boite->messages.isEmpty());
    }

    void fichierPresentGarde() {
        const QByteArray avant("[Options]\nSaisdate=0\nSaisnombre=0\nNavigateur=/x\n");
        QVERIFY(test::ecrire(libcalc().fichier_ini, avant));
        QVERIFY(chargerReglages({}));
        QCOMPARE(lire(libcalc().fichier_ini), avant);
        QVERIFY(!reglages().opt_saisdate());
    }

    // Ok rewrites the three keys where they stand; comments, other sections and unknown keys
    // stay, and the Alsace-Moselle and keep-the-run keys are added only once they change.
    void enregistrementGardeLeReste_data() {
        test::colonnes<bool, bool, QByteArray>({"alsace", "garder", "ligneAlsace"});
        QTest::newRow("Alsace-Moselle inchangée") << false << false << QByteArray();
        QTest::newRow("Alsace-Moselle cochée")
            << true << false << QByteArray("Alsacemoselle=1\r\n");
        QTest::newRow("séance gardée") << false << true << QByteArray("Garderseance=1\r\n");
    }
    void enregistrementGardeLeReste() {
        QFETCH(bool, alsace);
        QFETCH(bool, garder);
        QVERIFY(test::ecrire(libcalc().fichier_ini,
                             "; à moi\r\n[Options]\r\nSaisdate=1\r\nautre=x\r\nSaisnombre=0\r\n"
                             "Navigateur=/usr/bin/nav\r\n[Autre]\r\nk=v\r\n"));
        lireoptions();
        int signaux = 0;
        const auto lien = connect(&reglages(), &Reglages::modifie, this, [&] { ++signaux; });
        Options choisies = reglages().options();
        choisies.saisdate = false;
        choisies.saisnombre = true;
        choisies.alsacemoselle = alsace;
        choisies.garderseance = garder;
        choisies.navigateur = QStringLiteral(" /opt/nav ");
        QVERIFY(reglages().enregistrer(choisies));
        disconnect(lien);
        QFETCH(QByteArray, ligneAlsace);
        QCOMPARE(lire(libcalc().fichier_ini),
                 "; à moi\r\n[Options]\r\nSaisdate=0\r\nautre=x\r\nSaisnombre=1\r\n"
                 "Navigateur=/opt/nav\r\n" +
                     ligneAlsace + "[Autre]\r\nk=v\r\n");
        QCOMPARE(signaux, 1);
        QVERIFY(reglages().opt_saisnombre());
        QCOMPARE(reglages().alsacemoselle(), alsace);
        QCOMPARE(reglages().garderseance(), garder);
        QCOMPARE(reglages().navigateur(), QStringLiteral("/opt/nav"));
    }

    void creationImpossible() {
        // A folder where the file should be: nothing can be written there, whatever the rights.
        libcalc().chemin_appli = ici(QStringLiteral("bloque"));
        QVERIFY(QDir().mkpath(ici(QStringLiteral("bloque/Orvaline.ini"))));
        int fermetures = 0;
        QVERIFY(!chargerReglages([&] { ++fermetures; }));
        QCOMPARE(fermetures, 1);
        QCOMPARE(faux.boite->messages.size(), 1);
        QVERIFY(faux.boite->messages.first().texte.contains(ici(QStringLiteral("bloque"))));
        QVERIFY(!reglages().opt_saisdate()); // nothing was read
        // The program itself then ends with a failure status.
        const pid_t enfant = ::fork();
        if (enfant == 0) {
            chargerReglages();
            ::_exit(0);
        }
        int statut = 0;
        QCOMPARE(::waitpid(enfant, &statut, 0), enfant);
        QVERIFY(WIFEXITED(statut));
        QCOMPARE(WEXITSTATUS(statut), 1);
    }

    void options_data() {
        // apres: empty: the file is left as it was
        test::colonnes<QByteArray, int, int, QByteArray>(
            {"contenu", "saisdate", "saisnombre", "apres"});
        auto ligne = [](const char* nom, const QByteArray& contenu, int d, int n,
                        const QByteArray& apres = {}) {
            QTest::newRow(nom) << contenu << d << n << apres;
        };
        ligne("0 et 7", "[Options]\r\nSaisdate=0\r\nSaisnombre=7\r\n", 0, 1);
        ligne("moitiés vers le pair", "[Options]\nSaisdate=0.5\nSaisnombre=1.5\n", 0, 1);
        ligne("0.6 arrondi, pas tronqué", "[Options]\nSaisdate=0.6\nSaisnombre=0.4\n", 1, 0);
        ligne("coupé à quatre caractères", "[Options]\nSaisdate=00001\nSaisnombre=0.501\n", 0, 0);
        ligne("valeur vide récrite", "[Options]\nSaisdate=\nSaisnombre=0\n", 1, 0,
              "[Options]\nSaisdate=1\nSaisnombre=0\n");
        ligne("pas de section", "Saisdate=0\n", 1, 1,
              "Saisdate=0\n[Options]\nSaisdate=1\nSaisnombre=1\n");
        ligne("Alsace-Moselle lue", "[Options]\nSaisdate=1\nSaisnombre=1\nAlsacemoselle=1\n", 1, 1);
    }
    void options() {
        QFETCH(QByteArray, contenu);
        QFETCH(QByteArray, apres);
        QVERIFY(test::ecrire(libcalc().fichier_ini, contenu));
        lireoptions();
        QTEST(int(reglages().opt_saisdate()), "saisdate");
        QTEST(int(reglages().opt_saisnombre()), "saisnombre");
        // That key is never written back: without it the option is off.
        QCOMPARE(reglages().alsacemoselle(), contenu.contains("Alsacemoselle=1"));
        QCOMPARE(lire(libcalc().fichier_ini), apres.isEmpty() ? contenu : apres);
    }

    void fichierEnLectureSeule() {
        const QByteArray avant("[Options]\nSaisdate=1\n");
        QVERIFY(test::ecrire(libcalc().fichier_ini, avant));
        QFile::setPermissions(libcalc().fichier_ini, QFile::ReadOwner);
        // The write-back of the missing key does not take; the key still reads as its
        // default, as it would have had the write-back taken.
        QVERIFY(test::commeUtilisateurOrdinaire(dossier.path(), [] {
            lireoptions();
            return reglages().opt_saisdate() && reglages().opt_saisnombre();
        }));
        QCOMPARE(lire(libcalc().fichier_ini), avant);
    }

    void emplacement_data() {
        // appli: the program's folder ("ici" stands for a folder of the test's own);
        // present: a file already stands beside the program
        test::colonnes<QString, bool, bool, bool, bool, bool>(
            {"appli", "aMoi", "inscriptible", "installe", "present", "aCote"});
        test::ligne("copie portable à soi", "ici", true, true, false, false, true);
        test::ligne("fichier gardé dans un dossier en lecture seule", "ici", true, false, false,
                    true, true);
        test::ligne("ni fichier ni droit d'écrire", "ici", true, false, false, false, false);
        test::ligne("dossier d'un autre", "ici", false, true, false, true, false);
        test::ligne("copie installée dans un préfixe à soi", "ici", true, true, true, true, false);
        test::ligne("/usr/bin inscriptible par root", "/usr/bin", true, true, false, false, false);
        test::ligne("racine", "/", true, true, false, false, false);
        test::ligne("/lib64", "/lib64/x", true, true, false, false, false);
        test::ligne("dossier inconnu", "", true, true, false, false, false);
    }
    void emplacement() {
        QFETCH(QString, appli);
        QFETCH(bool, present);
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        const QString config = ici(QStringLiteral("config/") + tag);
        if (appli == u"ici") {
            appli = ici(QStringLiteral("appli/") + tag);
            QVERIFY(QDir().mkpath(appli));
            if (present) QVERIFY(test::ecrire(appli + QStringLiteral("/Orvaline.ini"), ""));
        }
        QFETCH(bool, aMoi);
        QFETCH(bool, inscriptible);
        QFETCH(bool, installe);
        const DossierAppli dossierAppli{appli, aMoi, inscriptible, installe};
        const QString chemin = emplacementFichierIni(dossierAppli, config);
        QFETCH(bool, aCote);
        QCOMPARE(chemin, (aCote ? appli : config) + QStringLiteral("/Orvaline.ini"));
        QCOMPARE(QFileInfo(config).isDir(), !aCote);
    }

    void dossierExamine() {
        // The rule sees the folder behind a link, so a link cannot lift a system folder out.
        const QString lien = ici(QStringLiteral("lien-usr"));
        QVERIFY(QFile::link(QStringLiteral("/usr/bin"), lien));
        QCOMPARE(examinerDossier(lien).chemin, QStringLiteral("/usr/bin"));
        QVERIFY(examinerDossier(QString()).chemin.isEmpty());
        QVERIFY(examinerDossier(ici(QStringLiteral("absent"))).chemin.isEmpty());
        const QTemporaryDir propre;
        const DossierAppli aMoi = examinerDossier(propre.path());
        QVERIFY(aMoi.aMoi && aMoi.inscriptible && !aMoi.installe);
        // A prefix as "make install" or a package leaves it.
        QVERIFY(QDir(propre.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(propre.path()).mkpath(QStringLiteral("share/applications")));
        QVERIFY(test::ecrire(propre.filePath(QStringLiteral("share/applications/orvaline.desktop")),
                             ""));
        QVERIFY(examinerDossier(propre.filePath(QStringLiteral("bin"))).installe);
    }
};

QTEST_GUILESS_MAIN(TestReglages)
#include "tst_reglages.moc"
