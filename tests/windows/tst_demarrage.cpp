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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
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

    // Each tool button brings up what its picture promises. (Before the refused copy, whose
    // way out would end the modal windows' event loops.)
    void boutonsOutils_data() {
        QTest::addColumn<int>("outil");
        QTest::addColumn<QString>("modal");
        QTest::addColumn<int>("cadre"); // the calculator on show afterwards
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
        if (cadre != 3) {
            QVERIFY(f.findChild<QGroupBox*>(QStringLiteral("cadres(%1)").arg(cadre))->isVisible());
            QVERIFY(
                !f.findChild<QGroupBox*>(QStringLiteral("cadres(%1)").arg(3 - cadre))->isVisible());
        }
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
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    void secondeCopieRefusee() {
        const QString chemin = m_dossier.filePath(QStringLiteral("b.lock"));
        VerrouInstance premiere(chemin);
        QVERIFY(premiere.acquerir());
        bool montree = false;
        NumVer numver([&] { montree = true; }, chemin);
        numver.show();
        QTRY_COMPARE_WITH_TIMEOUT(m_faux.boite->messages.size(), 1, 5000);
        const auto& m = m_faux.boite->messages.first();
        QCOMPARE(m.titre, QStringLiteral("Orvaline 1.3"));
        QCOMPARE(m.texte, QStringLiteral("L'application [Orvaline]\r\nest déjà active."));
        QCOMPARE(m.icone, BoiteSysteme::Icone::Information);
        QTest::qWait(1300);
        QVERIFY(!montree);
        QVERIFY(!numver.isVisible());
    }

    void fenetrePrincipaleChargee() {
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().chemin_appli = m_dossier.path();
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(!f.enChargement());

        auto* temps = f.findChild<QGroupBox*>(QStringLiteral("cadres(1)"));
        auto* dates = f.findChild<QGroupBox*>(QStringLiteral("cadres(2)"));
        auto* f2 = f.findChild<QAction*>(QStringLiteral("menu_mode(1)"));
        auto* f3 = f.findChild<QAction*>(QStringLiteral("menu_mode(3)"));
        QVERIFY(temps->isVisible() && !dates->isVisible());
        QVERIFY(f2->isChecked() && !f3->isChecked());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("sais_time(1)"));

        QTest::keyClick(&f, Qt::Key_F3);
        QVERIFY(!temps->isVisible() && dates->isVisible());
        QVERIFY(!f2->isChecked() && f3->isChecked());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("sais_date(1)"));

        QTest::keyClick(&f, Qt::Key_F2);
        QVERIFY(temps->isVisible() && !dates->isVisible());
        QVERIFY(f2->isChecked() && !f3->isChecked());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("sais_time(1)"));

        // The clock line: long date, six blanks, hours and minutes.
        const QString horloge = f.findChild<QLabel*>(QStringLiteral("lib_date"))->text();
        static const QRegularExpression forme(QStringLiteral(
            "^(Lundi|Mardi|Mercredi|Jeudi|Vendredi|Samedi|Dimanche) \\d{1,2} \\S+ \\d{4} {6}"
            "\\d\\d:\\d\\d$"));
        QVERIFY2(forme.match(horloge).hasMatch(), qPrintable(horloge));
    }

    void ligneHorloge() {
        QCOMPARE(FenetrePrincipale::ligneHorloge(QDateTime(QDate(2026, 12, 6), QTime(9, 5))),
                 QStringLiteral("Dimanche 6 Décembre 2026      09:05"));
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
