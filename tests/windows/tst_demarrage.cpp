// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the hand-over to the main window, the refusal of a second copy, and the main
// window as it stands after its load, then after a long run of random keys and clicks.
#include "core/calculdates.h"
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
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace orvaline;
using test::ligne;

class TestDemarrage : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;

private slots:
    void init() {
        m_faux = test::installerFaux();
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().chemin_appli = m_dossier.path();
    }

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

    // After its load the clock line shows the time now. Back from the options opened by the
    // menu, the focus is on the calculator's first field again.
    void fenetrePrincipaleChargee() {
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
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
    }
    void ligneHorloge() {
        QFETCH(QDateTime, instant);
        QTEST(FenetrePrincipale::ligneHorloge(instant), "attendu");
    }

    // Nothing may crash, hang or leave a field holding something its filter forbids. Any box
    // that opens is closed with Esc.
    void touchesAuHasard() {
        // A comma desktop: the clock re-reads it every three seconds.
        m_faux.regionaux->decimal = QStringLiteral(",");
        libcalc().symbole_decimal = 2;
        FenetrePrincipale f;
        f.charger();
        f.show();
        // Active, so that the keys reach the focused field rather than the window.
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));

        QTimer fermeur;
        fermeur.setInterval(2);
        connect(&fermeur, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        fermeur.start();

        static const Qt::Key touches[] = {
            Qt::Key_0,      Qt::Key_1,        Qt::Key_2,         Qt::Key_3,      Qt::Key_5,
            Qt::Key_9,      Qt::Key_Slash,    Qt::Key_Minus,     Qt::Key_Plus,   Qt::Key_Period,
            Qt::Key_Comma,  Qt::Key_A,        Qt::Key_Space,     Qt::Key_Return, Qt::Key_Tab,
            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home,
            Qt::Key_End,    Qt::Key_Insert,   Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F2,
            Qt::Key_F3};
        QList<QAbstractButton*> cliquables = f.findChildren<QAbstractButton*>();
        cliquables.removeIf([](auto* b) { return b->objectName().startsWith(u"com_outil"); });

        static const QRegularExpression date(QStringLiteral("^[0-9/]{0,12}$"));
        static const QRegularExpression increment(QStringLiteral("^-?[0-9]*,?[0-9]*$"));
        static const QRegularExpression duree(QStringLiteral("^[0-9]*,?[0-9]*$"));
        // Whether the field holds only what its filter lets through; an increment in words is
        // judged only at the calculation.
        const auto* unites = f.findChild<QListWidget*>(QStringLiteral("list_increment"));
        auto filtre = [unites](const QLineEdit* e) {
            const QString n = e->objectName();
            if (n == u"sais_increment" && incrementEnMots(unites->currentRow())) return true;
            const QRegularExpression& motif = n.startsWith(u"sais_date") ? date
                                              : n == u"sais_increment"   ? increment
                                                                         : duree;
            return motif.match(e->text()).hasMatch();
        };

        QRandomGenerator hasard(20261206);
        for (int i = 0; i < 3000; ++i) {
            if (hasard.bounded(12) == 0) {
                QAbstractButton* b = cliquables[int(hasard.bounded(cliquables.size()))];
                if (b->isVisible() && b->isEnabled()) b->click();
            } else {
                // The desktop gives the window back its activation when a box closes.
                if (!QApplication::activeWindow()) QApplication::setActiveWindow(&f);
                QWidget* cible = QApplication::focusWidget();
                if (!cible || cible->window() != &f) cible = &f;
                const Qt::Key touche = touches[hasard.bounded(int(std::size(touches)))];
                const Qt::KeyboardModifiers mod =
                    hasard.bounded(8) == 0 ? Qt::KeypadModifier : Qt::NoModifier;
                QTest::keyClick(cible, touche, mod);
                // Each character typed is filtered at once, not only by a later key.
                const auto* e = qobject_cast<QLineEdit*>(cible);
                if (e && touche <= Qt::Key_AsciiTilde)
                    QVERIFY2(filtre(e), qPrintable(e->objectName() + u' ' + e->text()));
            }
        }
        fermeur.stop();
        for (const QLineEdit* e : f.findChildren<QLineEdit*>())
            QVERIFY2(filtre(e), qPrintable(e->objectName() + u' ' + e->text()));
        QVERIFY(unites->currentRow() >= 0);
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
