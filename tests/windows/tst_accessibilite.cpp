// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: every control the keyboard can reach has a name, and a result
// label reads out its text. What a keyboard user sees: the button with the focus stands out.
#include "faux.h"
#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/accessibilite.h"
#include "windows/common/boutonxp.h"
#include "windows/help/afficheraide.h"
#include "windows/help/fenetreaide.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"

#include <QAccessible>
#include <QCursor>
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

    void fenetrePrincipale() {
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        for (int mode : {1, 3}) {
            f.menuMode(mode);
            const QStringList manquants = sansNom(&f);
            QVERIFY2(manquants.isEmpty(), qPrintable(manquants.join(u", ")));
        }
        // A result label reads out what it shows.
        auto* horloge = f.findChild<QLabel*>(QStringLiteral("lib_date"));
        QCOMPARE(nomAccessible(horloge), horloge->text().trimmed());
    }

    // The buttons draw themselves: the focus and the disabled state must show in their border.
    void focusVisible() {
        QWidget fenetre;
        auto* premier = new BoutonXp(QStringLiteral("Ok"), &fenetre);
        auto* second = new BoutonXp(QStringLiteral("Annuler"), &fenetre);
        premier->move(10, 10);
        second->move(10, 50);
        // The mouse stays away: a button under it lights up too.
        fenetre.move(300, 300);
        QCursor::setPos(0, 0);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        auto bord = [](QWidget* b) { return b->grab().toImage().pixelColor(0, b->height() / 2); };
        premier->setFocus();
        const QColor auRepos = bord(second);
        QVERIFY(premier->hasFocus());
        QVERIFY2(bord(premier) != auRepos, qPrintable(auRepos.name()));
        second->setEnabled(false);
        QVERIFY(bord(second) != auRepos);
    }

    void calendrierEtAide() {
        auto& p = libcalc().param_msg;
        p[1] = QStringLiteral("15/08/2026");
        p[2] = QStringLiteral("25");
        p[3].clear();
        FenetreCalendrier::instance().charger();
        QVERIFY(afficheraide(0));
        QStringList manquants;
        for (QWidget* w : {static_cast<QWidget*>(&FenetreCalendrier::instance()),
                           static_cast<QWidget*>(&FenetreAide::instance())}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            manquants += sansNom(w);
            w->hide();
        }
        QVERIFY2(manquants.isEmpty(), qPrintable(manquants.join(u", ")));
    }

    void options() {
        QStringList manquants;
        test::quandModal(QStringLiteral("confopt"), [&](QWidget* d) {
            for (int page = 1; page <= 4; ++page) {
                d->findChild<QPushButton*>(QStringLiteral("com_options(%1)").arg(page))->click();
                manquants += sansNom(d);
            }
            d->close();
        });
        ConfOpt::instance().executer();
        QVERIFY2(manquants.isEmpty(), qPrintable(manquants.join(u", ")));
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
