// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textesdates.h"
#include "faux.h"
#include "lignes.h"
#include "shared/libcalc.h"
#include "windows/main/fenetreprincipale.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace orvaline;
using test::ligne;

namespace {
// Through the window, as the desktop delivers it: press, release, then the second press
// that becomes the double-click.
void doubleClic(QWidget* w) {
    QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, {},
                       w->mapTo(w->window(), w->rect().center()));
}

QWidget* celluleDuJour(QWidget* calendrier, const QString& jour) {
    for (int i = 1; i <= 42; ++i) {
        auto* c = calendrier->findChild<QLabel*>(QStringLiteral("lib_jour(%1)").arg(i));
        if (c && c->text() == jour) return c;
    }
    return nullptr;
}
} // namespace

class TestGestionCalendrier : public QObject {
    Q_OBJECT
    FenetrePrincipale* m_fenetre = nullptr;

    QLineEdit* champ(int i) {
        return m_fenetre->findChild<QLineEdit*>(QStringLiteral("sais_date(%1)").arg(i));
    }

private slots:
    void initTestCase() {
        test::installerFaux();
        initialisation();
        m_fenetre = new FenetrePrincipale;
        m_fenetre->charger();
        m_fenetre->show();
        m_fenetre->menuMode(3);
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre));
    }
    void cleanupTestCase() { delete m_fenetre; }

    void remiseDeLaDate_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("geste");
        QTest::addColumn<QString>("attendu");
        ligne("double-clic sur un jour", 1, "double", "20/03/2025");
        ligne("Ok pour la date de fin", 2, "ok", "20/03/2025");
        ligne("Annuler laisse le champ", 1, "annuler", " 15/03/2025");
    }
    void remiseDeLaDate() {
        QFETCH(int, index);
        QFETCH(QString, geste);
        QFETCH(QString, attendu);
        // A blank in front: the field's text goes over untrimmed and stays as it was.
        champ(index)->setText(QStringLiteral(" 15/03/2025"));
        champ(3 - index)->setFocus();
        QString montre;
        test::quandModal(QStringLiteral("calend"), [&](QWidget* cal) {
            montre = cal->findChild<QLabel*>(QStringLiteral("lib_date"))->text();
            QWidget* vingt = celluleDuJour(cal, QStringLiteral("20"));
            if (geste == u"double") {
                doubleClic(vingt);
                return;
            }
            QTest::mouseClick(vingt, Qt::LeftButton);
            if (geste == u"ok")
                cal->findChild<QPushButton*>(QStringLiteral("com_ok"))->click();
            else if (geste == u"annuler")
                cal->findChild<QPushButton*>(QStringLiteral("com_annul"))->click();
            else
                cal->close();
        });
        m_fenetre->findChild<QPushButton*>(QStringLiteral("com_calendrier(%1)").arg(index))
            ->click();
        QCOMPARE(montre, QStringLiteral("15/03/2025"));
        QCOMPARE(champ(index)->text(), attendu);
        // The desktop gives the main window back its activation, and with it this focus.
        QCOMPARE(m_fenetre->focusWidget(), champ(index));
    }

    void calendrierDuMenuFichier() {
        champ(1)->setText(QStringLiteral("01/01/2001"));
        champ(2)->setText(QString());
        QString montre;
        bool annulerVisible = true;
        test::quandModal(QStringLiteral("calend"), [&](QWidget* cal) {
            montre = cal->findChild<QLabel*>(QStringLiteral("lib_date"))->text();
            annulerVisible = cal->findChild<QPushButton*>(QStringLiteral("com_annul"))->isVisible();
            QTest::mouseClick(celluleDuJour(cal, QStringLiteral("1")), Qt::LeftButton);
            QTest::keyClick(cal, Qt::Key_Escape);
        });
        m_fenetre->findChild<QAction*>(QStringLiteral("menu_fich(1)"))->trigger();
        QCOMPARE(montre, ecrireDate(QDate::currentDate()));
        QVERIFY(!annulerVisible);
        QCOMPARE(champ(1)->text(), QStringLiteral("01/01/2001"));
        QCOMPARE(champ(2)->text(), QString());
    }
};

QTEST_MAIN(TestGestionCalendrier)
#include "tst_gestioncalendrier.moc"
