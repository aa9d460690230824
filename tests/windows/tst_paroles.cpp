// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows tell a screen reader beyond names: results said once without the focus
// moving, fields changed only where they change, the tape read with a caret, the calendar's day,
// and the options' open page. Without a screen reader (offscreen) Qt sends no events at all:
// what reaches Orca is the Orca test's (tests/integration/lecteur_ecran.sh).
#include "faux.h"
#include "lignes.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/accessibilite.h"
#include "windows/common/annonce.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;

namespace {
QString annonce(QWidget* fenetre) {
    auto* a = fenetre->findChild<Annonce*>(QStringLiteral("annonce"));
    return a && a->isVisibleTo(fenetre) ? a->texte() : QString();
}
} // namespace

class TestParoles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;
    std::unique_ptr<FenetrePrincipale> m_fenetre;

    template <typename T> T* enfant(const QString& nom) {
        return test::enfant<T>(m_fenetre.get(), nom);
    }
    static void taper(const QString& texte) {
        QTest::keyClicks(QApplication::focusWidget(), texte);
    }
    static void touche(Qt::Key t) { QTest::keyClick(QApplication::focusWidget(), t); }

private slots:
    void initTestCase() {
        test::installerFaux();
        initialisation();
        installerAccessibilite();
        auto& e = libcalc();
        e.saut_ligne = QStringLiteral("\r\n");
        e.chemin_appli = m_dossier.path();
    }
    void init() {
        test::regler(&Options::saisdate, true);
        m_fenetre = std::make_unique<FenetrePrincipale>();
        m_fenetre->charger();
        m_fenetre->show();
        QApplication::setActiveWindow(m_fenetre.get());
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
    }
    void cleanup() { m_fenetre.reset(); }

    // A result is said once the calculation has moved the focus to the unit list.
    void resultatDit_data() {
        test::colonnes<QString, QString, QString, int, QString>(
            {"depart", "increment", "fin", "bas", "dit"}); // bas: rows down from "Mois"
        test::ligne("an age", "01011990", "", "23/12/2025", 5, "35 ans, 11 mois et 22 jours");
        // Down to "Trimestres" and back to "Mois": the second calculation is the one heard.
        test::ligne("an end date", "31012024", "1", "", 0, "29/02/2024");
    }
    void resultatDit() {
        QFETCH(QString, depart);
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(int, bas);
        m_fenetre->menuMode(3);
        taper(depart);
        touche(Qt::Key_Return);
        taper(increment);
        touche(Qt::Key_Return);
        auto* liste = enfant<QListWidget>(QStringLiteral("list_increment"));
        QCOMPARE(QApplication::focusWidget(), liste);
        enfant<QLineEdit>(QStringLiteral("sais_date(2)"))->setText(fin);
        for (int i = 0; i < bas; ++i)
            touche(Qt::Key_Down);
        if (bas == 0) {
            touche(Qt::Key_Down);
            touche(Qt::Key_Up);
        }
        QTEST(annonce(m_fenetre.get()), "dit");
        QCOMPARE(QApplication::focusWidget(), liste);
    }

    // The tape's new lines are said, and after "=" they hold the total.
    void totalDit() {
        m_fenetre->menuMode(1);
        enfant<QLineEdit>(QStringLiteral("sais_time(1)"))->setText(QStringLiteral("1"));
        enfant<QLineEdit>(QStringLiteral("sais_time(2)"))->setText(QStringLiteral("2"));
        enfant<QPushButton>(QStringLiteral("com_oper(1)"))->click();
        QCOMPARE(annonce(m_fenetre.get()), QStringLiteral("001 J 02:00:00"));
        enfant<QLineEdit>(QStringLiteral("sais_time(2)"))->setText(QStringLiteral("3"));
        enfant<QPushButton>(QStringLiteral("com_oper(5)"))->click();
        QVERIFY2(annonce(m_fenetre.get()).endsWith(u"= 001 J 05:00:00"),
                 qPrintable(annonce(m_fenetre.get())));
    }

    // Completion adds the slashes and the year without the reader hearing the whole date go
    // and come back; and the field reads as one piece, its last character included.
    void saisieSansReecriture() {
        m_fenetre->menuMode(3);
        auto* date = enfant<QLineEdit>(QStringLiteral("sais_date(1)"));
        taper(QStringLiteral("01011990"));
        QCOMPARE(date->text(), QStringLiteral("01/01/1990"));
        // Edited, not rewritten: a rewrite would have emptied the field's undo history.
        QVERIFY(date->isUndoAvailable());
        QAccessibleTextInterface* t = QAccessible::queryAccessibleInterface(date)->textInterface();
        int debut = -1, fin = -1;
        t->attributes(9, &debut, &fin);
        QCOMPARE(std::pair(debut, fin), std::pair(0, 10));
        QCOMPARE(t->textAtOffset(10, QAccessible::LineBoundary, &debut, &fin), date->text());
    }

    // "Diviser" sends the focus to the number field before that field is rewritten: a screen
    // reader that sees the rewrite first takes the field as focused and says nothing.
    void focusAvantReecriture() {
        m_fenetre->menuMode(1);
        taper(QStringLiteral("1"));
        auto* nombre = enfant<QLineEdit>(QStringLiteral("sais_time(4)"));
        enfant<QPushButton>(QStringLiteral("com_oper(4)"))->setFocus();
        // What the screen reader would be told of the field, in order.
        QStringList suite;
        class Focus : public QObject {
        public:
            explicit Focus(QStringList& s) : m_suite(s) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::FocusIn) m_suite << QStringLiteral("focus");
                return false;
            }
            QStringList& m_suite;
        } focus(suite);
        nombre->installEventFilter(&focus);
        const auto texte = connect(nombre, &QLineEdit::textChanged, this,
                                   [&suite] { suite << QStringLiteral("texte"); });
        const auto curseur = connect(nombre, &QLineEdit::cursorPositionChanged, this,
                                     [&suite] { suite << QStringLiteral("curseur"); });
        touche(Qt::Key_Space);
        disconnect(texte);
        disconnect(curseur);
        nombre->removeEventFilter(&focus);
        QCOMPARE(QApplication::focusWidget(), nombre);
        QVERIFY2(!suite.isEmpty() && suite.first() == u"focus", qPrintable(suite.join(u' ')));
    }

    // A menu item's shortcut reaches Orca only as the third part of its key binding, in GTK's
    // notation: "F2" alone would be read as the menu path and never said.
    void raccourciDit_data() {
        test::colonnes<QString, QString>({"article", "liaison"});
        test::ligne("a function key", "menu_mode(1)", ";;F2");
        test::ligne("Ctrl and Shift", "menu_fich(8)", ";;<Control><Shift>c");
        test::ligne("no shortcut", "menu_mode(5)", "");
    }
    void raccourciDit() {
        QFETCH(QString, article);
        auto* action = m_fenetre->findChild<QAction*>(article);
        QVERIFY(action);
        // Reached as the bridge reaches it: the menu's child at the action's place.
        auto* menu = qobject_cast<QWidget*>(action->parent());
        QVERIFY(menu);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(menu)->child(
            int(menu->actions().indexOf(action)));
        QVERIFY(a && a->actionInterface());
        QAccessibleActionInterface* actions = a->actionInterface();
        QTEST(actions->keyBindingsForAction(actions->pressAction()).join(u';'), "liaison");
        QCOMPARE(a->text(QAccessible::Name), QString(action->text()).remove(u'&'));
        QCOMPARE(a->state().checked, action->isChecked());
    }

    // The tape is read with a caret the arrows move.
    void bandeAuCurseur() {
        m_fenetre->menuMode(1);
        for (const char* jours : {"1", "2"}) {
            enfant<QLineEdit>(QStringLiteral("sais_time(1)"))->setText(QString::fromLatin1(jours));
            enfant<QPushButton>(QStringLiteral("com_oper(1)"))->click();
        }
        auto* bande = enfant<QPlainTextEdit>(QStringLiteral("sais_histo(1)"));
        bande->setFocus();
        const int derniere = bande->textCursor().blockNumber();
        QVERIFY(derniere >= 1);
        touche(Qt::Key_Up);
        QCOMPARE(bande->textCursor().blockNumber(), derniere - 1);
    }

    // Each move in the day grid says the day reached, with its holiday.
    void jourDit() {
        auto& p = libcalc().param_msg;
        p[1] = QStringLiteral("30/04/2026");
        p[2] = QStringLiteral("25");
        p[3].clear();
        QString dit, apresPage;
        test::quandModal(QStringLiteral("calend"), [&](QWidget* c) {
            auto* grille = c->findChild<QWidget*>(QStringLiteral("carre"));
            // The day is said only from a grid that really has the focus: wait for the window.
            QVERIFY(QTest::qWaitForWindowActive(c));
            grille->setFocus();
            QTRY_VERIFY(grille->hasFocus());
            QTest::keyClick(grille, Qt::Key_Right);
            dit = annonce(m_fenetre.get());
            QTest::keyClick(grille, Qt::Key_PageDown);
            apresPage = annonce(m_fenetre.get());
            c->close();
        });
        FenetreCalendrier::instance().ouvrir();
        QCOMPARE(dit, QStringLiteral("vendredi 1er mai 2026, fête du Travail"));
        QCOMPARE(apresPage, QStringLiteral("lundi 1er juin 2026"));
    }

    // The open page's button is checked, the others not; its hints are said.
    void pageOuverte() {
        QList<bool> coches;
        QString dit;
        test::quandModal(QStringLiteral("confopt"), [&](QWidget* d) {
            d->findChild<QPushButton*>(QStringLiteral("com_options(1)"))->click();
            d->findChild<QPushButton*>(QStringLiteral("com_options(2)"))->click();
            for (int i = 1; i <= 4; ++i)
                coches << QAccessible::queryAccessibleInterface(
                              d->findChild<QPushButton*>(QStringLiteral("com_options(%1)").arg(i)))
                              ->state()
                              .checked;
            dit = annonce(m_fenetre.get());
            d->close();
        });
        ConfOpt::instance().ouvrir();
        QCOMPARE(coches, (QList<bool>{false, true, false, false}));
        QVERIFY2(dit.startsWith(u"Utilisation."), qPrintable(dit));
    }
};

QTEST_MAIN(TestParoles)
#include "tst_paroles.moc"
