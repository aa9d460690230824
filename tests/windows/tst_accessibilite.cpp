// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears: every control the keyboard can reach has a name, and the
// result labels keep their text as name with the description that lets a reader find them.
#include "faux.h"
#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/accessibilite.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
        // A result label keeps its text as its name; its description says what it is.
        auto* horloge = f.findChild<QLabel*>(QStringLiteral("lib_date"));
        QCOMPARE(nomAccessible(horloge), horloge->text().trimmed());
        QCOMPARE(horloge->accessibleDescription(), QStringLiteral("Horloge"));
        auto* resultat = f.findChild<QLabel*>(QStringLiteral("lib_calcul"));
        QCOMPARE(resultat->accessibleDescription(), QStringLiteral("Résultat"));
        QVERIFY(resultat->accessibleName().isEmpty());
    }

    void calendrier() {
        auto& p = libcalc().param_msg;
        p[1] = QStringLiteral("15/08/2026");
        p[2] = QStringLiteral("25");
        p[3].clear();
        FenetreCalendrier& c = FenetreCalendrier::instance();
        c.charger();
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        const QStringList manquants = sansNom(&c);
        QVERIFY2(manquants.isEmpty(), qPrintable(manquants.join(u", ")));
        c.hide();
    }

    void options() {
        QStringList manquants;
        QString zones[2];
        auto* minuteur = new QTimer;
        minuteur->setInterval(5);
        QObject::connect(minuteur, &QTimer::timeout, [&, minuteur] {
            auto* d = qobject_cast<ConfOpt*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible()) return;
            minuteur->stop();
            minuteur->deleteLater();
            for (int page = 1; page <= 3; ++page) {
                d->findChild<QPushButton*>(QStringLiteral("com_options(%1)").arg(page))->click();
                manquants += sansNom(d);
            }
            zones[0] = nomAccessible(d->findChild<QWidget*>(QStringLiteral("sais_date")));
            zones[1] = nomAccessible(d->findChild<QWidget*>(QStringLiteral("lib_navig")));
            d->findChild<QPushButton*>(QStringLiteral("com_annul"))->click();
        });
        minuteur->start();
        ConfOpt::instance().executer();
        QVERIFY2(manquants.isEmpty(), qPrintable(manquants.join(u", ")));
        QCOMPARE(zones[0], QStringLiteral("Zone de Test"));
        QCOMPARE(zones[1], QStringLiteral("Programme de Navigation"));
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
