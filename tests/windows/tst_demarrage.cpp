// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the hand-over to the main window, the refusal of a second copy, and the main
// window as it stands after its load.
#include "faux.h"
#include "lignes.h"
#include "platform/verrouinstance.h"
#include "shared/libcalc.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/startup/numver.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;
using test::ligne;

class TestDemarrage : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;

private slots:
    void init() { m_faux = test::installerFaux(); }

    // Each tool button brings up what its picture promises.
    void boutonsOutils_data() {
        // cadre: the calculator on show afterwards
        test::colonnes<int, QString, int>({"outil", "modal", "cadre"});
        ligne("calendrier", 1, "calend", 3);
        ligne("calculatrice de temps", 2, "", 1);
        ligne("calculatrice de dates", 3, "", 2);
        ligne("options", 4, "confopt", 3);
    }
    void boutonsOutils() {
        QFETCH(int, outil);
        QFETCH(QString, modal);
        QFETCH(int, cadre);
        libcalc().chemin_appli = m_dossier.path();
        FenetrePrincipale f;
        f.charger();
        f.show();
        // Start on the other calculator, so that a switch shows.
        f.menuMode(cadre == 1 ? 3 : 1);
        QString ouvert;
        if (!modal.isEmpty())
            test::quandModal(modal, [&](QWidget* w) {
                ouvert = w->objectName();
                w->close();
            });
        f.findChild<QPushButton*>(QStringLiteral("com_outil(%1)").arg(outil))->click();
        QCOMPARE(ouvert, modal);
        if (cadre != 3)
            QVERIFY(f.findChild<QGroupBox*>(QStringLiteral("cadres(%1)").arg(cadre))->isVisible());
    }

    void passageALaFenetrePrincipale() {
        bool montree = false;
        QElapsedTimer chrono;
        NumVer numver([&] { montree = true; }, m_dossier.filePath(QStringLiteral("a.lock")));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        chrono.start();
        numver.show();
        QTRY_VERIFY_WITH_TIMEOUT(montree, 5000);
        // The start-up window waits one second before it hands over, then steps aside.
        QVERIFY(chrono.elapsed() >= 1000);
        QVERIFY(!numver.isVisible());
        QVERIFY(numver.demarrageFait());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // After its load the clock line is filled with the time now (its wording is
    // ligneHorloge's table). Back from the options opened by the menu, the
    // focus is on the calculator's first field again.
    void fenetrePrincipaleChargee() {
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().chemin_appli = m_dossier.path();
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(!f.enChargement());
        f.findChild<QWidget*>(QStringLiteral("sais_time(2)"))->setFocus();
        test::quandModal(QStringLiteral("confopt"), [](QWidget* d) { d->close(); });
        f.findChild<QAction*>(QStringLiteral("menu_mode(5)"))->trigger();
        QTRY_COMPARE(f.focusWidget(), f.findChild<QWidget*>(QStringLiteral("sais_time(1)")));
        const QString horloge = f.findChild<QLabel*>(QStringLiteral("lib_date"))->text();
        const QDateTime maintenant = QDateTime::currentDateTime(); // a minute may just have begun
        QVERIFY2(horloge == FenetrePrincipale::ligneHorloge(maintenant) ||
                     horloge == FenetrePrincipale::ligneHorloge(maintenant.addSecs(-60)),
                 qPrintable(horloge));
    }

    void ligneHorloge_data() {
        test::colonnes<QDateTime, QString>({"instant", "attendu"});
        ligne("dimanche, un chiffre", QDateTime(QDate(2026, 12, 6), QTime(9, 5)),
              "Dimanche 6 Décembre 2026      09:05");
        ligne("lundi, minuit", QDateTime(QDate(2024, 1, 1), QTime(0, 0)),
              "Lundi 1 Janvier 2024      00:00");
        ligne("29 février, fin de journée", QDateTime(QDate(2024, 2, 29), QTime(23, 59)),
              "Jeudi 29 Février 2024      23:59");
        ligne("août", QDateTime(QDate(2026, 8, 15), QTime(12, 30)),
              "Samedi 15 Août 2026      12:30");
    }
    void ligneHorloge() {
        QFETCH(QDateTime, instant);
        QTEST(FenetrePrincipale::ligneHorloge(instant), "attendu");
    }

    // Last: the refused copy's way out ends the modal windows' event loops.
    void secondeCopieRefusee() {
        const QString chemin = m_dossier.filePath(QStringLiteral("b.lock"));
        VerrouInstance premiere(chemin);
        QVERIFY(premiere.acquerir());
        bool montree = false;
        NumVer numver([&] { montree = true; }, chemin);
        numver.show();
        QTRY_COMPARE_WITH_TIMEOUT(m_faux.boite->messages.size(), 1, 5000);
        QTest::qWait(1300);
        QVERIFY(!montree);
        QVERIFY(!numver.isVisible());
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
