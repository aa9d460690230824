// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of random keys and clicks on the main window: nothing may crash, hang or leave a
// field holding something its filter forbids. Any box that opens is closed with Esc.
#include "faux.h"
#include "shared/libcalc.h"
#include "windows/main/fenetreprincipale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace orvaline;

class TestRobustesse : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

private slots:
    void initTestCase() {
        // A comma desktop: the clock re-reads it every three seconds.
        test::installerFaux().regionaux->decimal = QStringLiteral(",");
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().chemin_appli = m_dossier.path();
        libcalc().symbole_decimal = 2;
    }

    void touchesAuHasard() {
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

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
        const auto boutons = f.findChildren<QAbstractButton*>();
        QList<QAbstractButton*> cliquables;
        for (QAbstractButton* b : boutons)
            if (!b->objectName().startsWith(u"com_outil")) // the last one quits
                cliquables << b;

        QRandomGenerator hasard(20261206);
        for (int i = 0; i < 3000; ++i) {
            if (hasard.bounded(12) == 0) {
                QAbstractButton* b = cliquables[int(hasard.bounded(cliquables.size()))];
                if (b->isVisible() && b->isEnabled()) b->click();
                continue;
            }
            QWidget* cible = QApplication::focusWidget();
            if (!cible || cible->window() != &f) cible = &f;
            const Qt::Key touche = touches[hasard.bounded(int(std::size(touches)))];
            const Qt::KeyboardModifiers mod =
                hasard.bounded(8) == 0 ? Qt::KeypadModifier : Qt::NoModifier;
            QTest::keyClick(cible, touche, mod);
        }
        fermeur.stop();

        static const QRegularExpression date(QStringLiteral("^[0-9/]{0,12}$"));
        static const QRegularExpression increment(QStringLiteral("^-?[0-9]*,?[0-9]*$"));
        static const QRegularExpression duree(QStringLiteral("^[0-9]*,?[0-9]*$"));
        for (const char* nom : {"sais_date(1)", "sais_date(2)"}) {
            const QString t = f.findChild<QLineEdit*>(QLatin1String(nom))->text();
            QVERIFY2(date.match(t).hasMatch(), qPrintable(t));
        }
        const QString inc = f.findChild<QLineEdit*>(QStringLiteral("sais_increment"))->text();
        QVERIFY2(increment.match(inc).hasMatch(), qPrintable(inc));
        for (int i = 1; i <= 4; ++i) {
            const QString t =
                f.findChild<QLineEdit*>(QStringLiteral("sais_time(%1)").arg(i))->text();
            QVERIFY2(duree.match(t).hasMatch(), qPrintable(QString::number(i) + u' ' + t));
        }
        QVERIFY(f.findChild<QListWidget*>(QStringLiteral("list_increment"))->currentRow() >= 0);
    }
};

QTEST_MAIN(TestRobustesse)
#include "tst_robustesse.moc"
