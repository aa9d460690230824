// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the desktop calculator and the regional settings, and closing the calculator on
// the way out.
#include "faux.h"
#include "platform/lanceur.h"
#include "shared/lanceurs.h"
#include "shared/libcalc.h"

#include <QStandardPaths>
#include <QTest>

using namespace orvaline;

class TestLanceurs : public QObject {
    Q_OBJECT
    test::Faux m_faux{};

    QString dernierTexte() const {
        return m_faux.boite->messages.isEmpty() ? QString() : m_faux.boite->messages.last().texte;
    }

    // Exactly one message, with the information icon, was shown.
    void seulMessage(const QString& titre, const QString& texte) {
        QCOMPARE(m_faux.boite->messages.size(), 1);
        const auto& m = m_faux.boite->messages.first();
        QCOMPARE(m.icone, BoiteSysteme::Icone::Information);
        QCOMPARE(m.titre, titre);
        QCOMPARE(m.texte, texte);
    }

private slots:
    void init() {
        m_faux = test::installerFaux();
        fermercalculatrice(); // forget what an earlier test started
        libcalc() = Libcalc{};
        libcalc().saut_ligne = QStringLiteral("\r\n");
    }

    void calculatricePremiereTrouvee_data() {
        QTest::addColumn<QStringList>("installes");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("GNOME") << QStringList{QStringLiteral("gnome-calculator"),
                                              QStringLiteral("xcalc")}
                               << QStringLiteral("/usr/bin/gnome-calculator");
        QTest::newRow("KDE avant Qalculate")
            << QStringList{QStringLiteral("qalculate-qt"), QStringLiteral("kcalc")}
            << QStringLiteral("/usr/bin/kcalc");
        QTest::newRow("xcalc seule")
            << QStringList{QStringLiteral("xcalc")} << QStringLiteral("/usr/bin/xcalc");
    }
    void calculatricePremiereTrouvee() {
        QFETCH(QStringList, installes);
        QFETCH(QString, attendu);
        m_faux.lanceur->installes = installes;
        lancercalculatrice(1);
        QCOMPARE(m_faux.lanceur->lancements.size(), 1);
        QCOMPARE(m_faux.lanceur->lancements[0].programme, attendu);
        QVERIFY(m_faux.lanceur->lancements[0].arguments.isEmpty());
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    void calculatriceUneSeuleCopie() {
        m_faux.lanceur->installes = {QStringLiteral("xcalc")};
        lancercalculatrice(1);
        lancercalculatrice(1);
        QCOMPARE(m_faux.lanceur->lancements.size(), 1);

        // Closed by the user: the next call starts a new one.
        m_faux.lanceur->vivants.clear();
        m_faux.lanceur->pid = 5000;
        lancercalculatrice(1);
        QCOMPARE(m_faux.lanceur->lancements.size(), 2);
        lancercalculatrice(1);
        QCOMPARE(m_faux.lanceur->lancements.size(), 2);
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    void calculatriceEchecs_data() {
        QTest::addColumn<QStringList>("installes");
        QTest::addColumn<QString>("texte");
        QTest::newRow("aucune installée")
            << QStringList{} << QStringLiteral("Le programme gnome-calculator est introuvable. ");
        QTest::newRow("démarrage refusé")
            << QStringList{QStringLiteral("galculator")}
            << QStringLiteral(
                   "Impossible de lancer \r\nla Calculatrice \r\n(Programme galculator) ");
    }
    void calculatriceEchecs() {
        QFETCH(QStringList, installes);
        QFETCH(QString, texte);
        m_faux.lanceur->installes = installes;
        m_faux.lanceur->pid = 0;
        lancercalculatrice(1);
        seulMessage(QStringLiteral("Calculatrice Windows"), texte);
        // A failed start leaves nothing to close on the way out.
        fermercalculatrice();
        QVERIFY(m_faux.lanceur->arretes.isEmpty());
    }

    void sortieFermeNotreCalculatrice_data() {
        QTest::addColumn<bool>("lancee");
        QTest::addColumn<bool>("fermeeParLUtilisateur");
        QTest::addColumn<QList<qint64>>("arretes");
        QTest::newRow("la nôtre ouverte") << true << false << QList<qint64>{4242};
        QTest::newRow("la nôtre déjà fermée") << true << true << QList<qint64>{};
        QTest::newRow("jamais lancée") << false << false << QList<qint64>{};
    }
    void sortieFermeNotreCalculatrice() {
        QFETCH(bool, lancee);
        QFETCH(bool, fermeeParLUtilisateur);
        QFETCH(QList<qint64>, arretes);
        m_faux.lanceur->installes = {QStringLiteral("xcalc")};
        m_faux.lanceur->vivants = {777}; // a calculator the user opened himself
        if (lancee) lancercalculatrice(1);
        if (fermeeParLUtilisateur) m_faux.lanceur->vivants.removeAll(4242);
        fermercalculatrice();
        QCOMPARE(m_faux.lanceur->arretes, arretes);
        QVERIFY(m_faux.lanceur->vivants.contains(777));
    }

    void panneau_data() {
        QTest::addColumn<QStringList>("installes");
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("GNOME") << QStringList{QStringLiteral("gnome-control-center"),
                                              QStringLiteral("systemsettings")}
                               << QStringLiteral("/usr/bin/gnome-control-center")
                               << QStringList{QStringLiteral("region")};
        QTest::newRow("KDE") << QStringList{QStringLiteral("systemsettings"),
                                            QStringLiteral("cinnamon-settings")}
                             << QStringLiteral("/usr/bin/systemsettings")
                             << QStringList{QStringLiteral("kcm_regionandlang")};
        QTest::newRow("Xfce, sans argument")
            << QStringList{QStringLiteral("xfce4-settings-manager")}
            << QStringLiteral("/usr/bin/xfce4-settings-manager") << QStringList{};
    }
    void panneau() {
        QFETCH(QStringList, installes);
        QFETCH(QString, programme);
        QFETCH(QStringList, arguments);
        m_faux.lanceur->installes = installes;
        lancerpanneau(2);
        QCOMPARE(m_faux.lanceur->lancements.size(), 1);
        QCOMPARE(m_faux.lanceur->lancements[0].programme, programme);
        QCOMPARE(m_faux.lanceur->lancements[0].arguments, arguments);
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    void panneauEchecs_data() {
        QTest::addColumn<QStringList>("installes");
        QTest::addColumn<QString>("commande");
        QTest::newRow("aucun installé")
            << QStringList{} << QStringLiteral("gnome-control-center region");
        QTest::newRow("démarrage refusé") << QStringList{QStringLiteral("cinnamon-settings")}
                                          << QStringLiteral("cinnamon-settings region");
    }
    void panneauEchecs() {
        QFETCH(QStringList, installes);
        QFETCH(QString, commande);
        m_faux.lanceur->installes = installes;
        m_faux.lanceur->pid = 0;
        lancerpanneau(2);
        seulMessage(QStringLiteral("Paramètres Windows"),
                    QStringLiteral("Impossible de lancer la commande suivante : \r\n") + commande +
                        QStringLiteral(" "));
    }

    // The real launcher: a process it started counts as running until it ends, and the
    // request to end reaches it.
    void processusReel() {
        const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
        if (sleep.isEmpty()) QSKIP("no sleep program");
        LanceurProcessus lanceur;
        QVERIFY(!lanceur.enCours(0));
        QVERIFY(!lanceur.enCours(-1));
        const qint64 pid = lanceur.demarrer(sleep, {QStringLiteral("30")});
        QVERIFY(pid > 0);
        QVERIFY(lanceur.enCours(pid));
        // A process it did not start is never its own.
        QVERIFY(!LanceurProcessus().enCours(pid));
        lanceur.arreter(pid);
        QTRY_VERIFY_WITH_TIMEOUT(!lanceur.enCours(pid), 5000);
    }
};

QTEST_MAIN(TestLanceurs)
#include "tst_lanceurs.moc"
