// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: every control the keyboard can reach has a name, and a result
// label reads out its text. What a keyboard user sees: the button with the focus stands out.
#include "faux.h"
#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/accessibilite.h"
#include "windows/help/afficheraide.h"
#include "windows/help/fenetreaide.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"

#include <QAccessible>
#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;

namespace {
QString nomAccessible(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name).trimmed() : QString();
}

QString nomDe(QWidget* w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Controls the keyboard reaches in the window, as the user currently sees it, that have no
// name; and labels the reader would announce by a name not their own, or pictures without a
// name that it would announce at all.
QStringList sansNom(QWidget* fenetre) {
    QStringList manquants;
    for (QLabel* l : fenetre->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(fenetre)) continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(l);
        const QString nom = i->text(QAccessible::Name);
        if (!l->pixmap().isNull() && nom.isEmpty() && !i->state().invisible)
            manquants << nomDe(l) + QStringLiteral(" (image annoncée)");
        else if (nom != l->accessibleName() && nom != l->text())
            manquants << nomDe(l) + QStringLiteral(" annoncé « ") + nom + u'»';
    }
    const auto controles = fenetre->findChildren<QWidget*>();
    for (QWidget* w : controles) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(fenetre) || !w->isEnabled())
            continue;
        if (w->objectName() == u"img_focus" || w->focusProxy()) continue;
        if (nomAccessible(w).isEmpty()) manquants << nomDe(w);
    }
    return manquants;
}
} // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

private slots:
    void initTestCase() {
        test::installerFaux();
        installerAccessibilite();
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().chemin_appli = m_dossier.path();
    }

    // The keyboard's focus shows on a button, the unit list and the tape, and looks neither
    // like the control at rest nor like the control under the mouse.
    void focusVisible_data() {
        QTest::addColumn<QString>("nom");
        QTest::newRow("button") << QStringLiteral("com_oper(1)");
        QTest::newRow("unit list") << QStringLiteral("list_increment");
        QTest::newRow("tape") << QStringLiteral("sais_histo(1)");
    }
    void focusVisible() {
        QFETCH(QString, nom);
        FenetrePrincipale f;
        f.charger();
        QCursor::setPos(0, 0); // the mouse stays away: it would light a control up
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.menuMode(nom == u"list_increment" ? 3 : 1);
        auto* w = f.findChild<QWidget*>(nom);
        QVERIFY(w && w->isVisible());
        auto rendu = [w] { return w->grab().toImage(); };
        f.findChild<QWidget*>(nom == u"list_increment" ? QStringLiteral("sais_date(1)")
                                                       : QStringLiteral("sais_time(1)"))
            ->setFocus();
        const QImage auRepos = rendu();
        w->setAttribute(Qt::WA_UnderMouse, true);
        const QImage survole = rendu();
        w->setAttribute(Qt::WA_UnderMouse, false);
        w->setFocus();
        QVERIFY(w->hasFocus());
        const QImage focus = rendu();
        QVERIFY(focus != auRepos);
        QVERIFY(focus != survole);
        // With the mouse on another control, only one control looks picked.
        w->setAttribute(Qt::WA_UnderMouse, true);
        QVERIFY(rendu() != survole);
    }

    // Every window in each of its states: the main window's two calculators, the calendar,
    // the help and the options' four pages.
    void controlesNommes() {
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QStringList manquants;
        for (int mode : {1, 3}) {
            f.menuMode(mode);
            manquants += sansNom(&f);
        }
        auto& p = libcalc().param_msg;
        p[1] = QStringLiteral("15/08/2026");
        p[2] = QStringLiteral("25");
        p[3].clear();
        FenetreCalendrier::instance().charger();
        QVERIFY(afficherAide(0));
        for (QWidget* w : {static_cast<QWidget*>(&FenetreCalendrier::instance()),
                           static_cast<QWidget*>(&FenetreAide::instance())}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            manquants += sansNom(w);
            w->hide();
        }
        test::quandModal(QStringLiteral("confopt"), [&](QWidget* d) {
            for (int page = 1; page <= 4; ++page) {
                d->findChild<QPushButton*>(QStringLiteral("com_options(%1)").arg(page))->click();
                manquants += sansNom(d);
            }
            d->close();
        });
        ConfOpt::instance().executer();
        QVERIFY2(manquants.isEmpty(), qPrintable(manquants.join(u", ")));
        // A result label reads out what it shows.
        auto* horloge = f.findChild<QLabel*>(QStringLiteral("lib_date"));
        QCOMPARE(nomAccessible(horloge), horloge->text().trimmed());
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
