// SPDX-License-Identifier: GPL-3.0-or-later
#include "faux.h"
#include "lignes.h"
#include "ordretabulation.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/calendar/casejour.h"
#include "windows/calendar/fenetrecalendrier.h"

#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace orvaline;
using test::ligne;

class TestCalendrier : public QObject {
    Q_OBJECT

    FenetreCalendrier& ouvrir(const QString& date, const QString& etendue = QStringLiteral("25"),
                              const QString& mode = QString()) {
        auto& p = libcalc().param_msg;
        p[1] = date;
        p[2] = etendue;
        p[3] = mode;
        FenetreCalendrier& f = FenetreCalendrier::instance();
        f.charger();
        f.show();
        return f;
    }
    template <typename T> T* enfant(const QString& nom) {
        return test::enfant<T>(&FenetreCalendrier::instance(), nom);
    }
    CaseJour* cellule(int i) { return enfant<CaseJour>(QStringLiteral("lib_jour(%1)").arg(i)); }
    QString texteDe(const QString& nom) { return enfant<QLabel>(nom)->text(); }
    QString dateChoisie() { return texteDe(QStringLiteral("lib_date")); }
    // Through the window, as the desktop delivers it: press, release, then the second press
    // that becomes the double-click.
    void doubleClic(QWidget* w) {
        QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, {},
                           w->mapTo(w->window(), w->rect().center()));
    }
    void cliquer(const QString& nom) { enfant<QPushButton>(nom)->click(); }
    // Pixels of the cell, as drawn, clearly redder than grey: a red number and its smoothed
    // edges (the cell's backgrounds, at most peach, stay well below).
    static int pixelsRouges(QWidget* w) {
        const QImage image = w->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() - c.green() > 80 && c.red() - c.blue() > 80) ++n;
            }
        return n;
    }

private slots:
    void initTestCase() {
        test::installerFaux();
        initialisation();
        libcalc().annee_jour = QStringLiteral("2026");
        libcalc().date_jour = QStringLiteral("15/08/2026");
    }
    void cleanup() {
        FenetreCalendrier::instance().hide();
        test::regler(&Options::alsacemoselle, false);
    }

    // A holiday names itself to the mouse and to a screen reader, and its number is drawn
    // in red; other days stay "Jour", in black. The holidays follow the options while the
    // calendar is open.
    void ferieEnRouge() {
        ouvrir(QStringLiteral("15/03/2024"));
        QVERIFY(QTest::qWaitForWindowExposed(&FenetreCalendrier::instance()));
        CaseJour* vendrediSaint = cellule(33);
        QCOMPARE(vendrediSaint->toolTip(), QString());
        QCOMPARE(vendrediSaint->accessibleDescription(), QStringLiteral("Jour"));
        QCOMPARE(pixelsRouges(vendrediSaint), 0);
        test::regler(&Options::alsacemoselle, true);
        QCOMPARE(vendrediSaint->toolTip(), QStringLiteral("Vendredi saint"));
        QCOMPARE(vendrediSaint->accessibleDescription(), QStringLiteral("Vendredi saint"));
        QVERIFY(pixelsRouges(vendrediSaint) > 0);
    }

    // A selected holiday is named under the date, which keeps its designed two lines, and on
    // its cell for the mouse and a screen reader; an ordinary day names nothing.
    void ferieSelectionne_data() {
        test::colonnes<QString, int, QString, QString>({"date", "alsace", "dateaff", "nom"});
        ligne("Vendredi saint en Alsace", "03/04/2026", 1, "Vendredi\n3 Avril 2026",
              "Vendredi saint");
        ligne("Vendredi saint ailleurs", "03/04/2026", 0, "Vendredi\n3 Avril 2026", "");
    }
    void ferieSelectionne() {
        QFETCH(QString, date);
        QFETCH(int, alsace);
        QFETCH(QString, nom);
        test::regler(&Options::alsacemoselle, alsace);
        ouvrir(date);
        QTEST(texteDe(QStringLiteral("lib_dateaff")), "dateaff");
        QCOMPARE(texteDe(QStringLiteral("lib_ferie")), nom);
        CaseJour* choisie = nullptr;
        for (int i = 1; i <= 42; ++i)
            if (cellule(i)->jeu() == CaseJour::Jeu::Selection) choisie = cellule(i);
        QVERIFY(choisie);
        QCOMPARE(choisie->toolTip(), nom);
        QCOMPARE(choisie->accessibleDescription(), nom.isEmpty() ? QStringLiteral("Jour") : nom);
    }

    // The small grids write holidays in the large grid's red: June 2026 shows May on the left.
    void ferieDansUnePetiteGrille() {
        ouvrir(QStringLiteral("15/06/2026"));
        auto couleur = [&](const QString& jour) {
            for (int i = 101; i <= 142; ++i) {
                auto* c = enfant<QLabel>(QStringLiteral("lib_jouap(%1)").arg(i));
                if (c->text() == jour) return c->palette().color(QPalette::WindowText);
            }
            return QColor();
        };
        QCOMPARE(couleur(QStringLiteral("25")), couleurFerie());
        QVERIFY(couleur(QStringLiteral("26")) != couleurFerie());
    }

    void moisVoisinsSurDeuxAnnees() {
        ouvrir(QStringLiteral("15/12/2025"));
        QCOMPARE(texteDe(QStringLiteral("libellesfixe(0)")), QStringLiteral("Décembre 2025"));
        QCOMPARE(texteDe(QStringLiteral("libellesfixe(100)")), QStringLiteral("Novembre 2025"));
        QCOMPARE(texteDe(QStringLiteral("libellesfixe(200)")), QStringLiteral("Janvier 2026"));
    }

    void clicSurUnJour() {
        ouvrir(QStringLiteral("10/03/2025"));
        FenetreCalendrier& f = FenetreCalendrier::instance();
        QTest::mouseClick(cellule(25), Qt::LeftButton); // 20 March
        QCOMPARE(dateChoisie(), QStringLiteral("20/03/2025"));
        // The keys then move from the clicked day: a week on, not a month.
        QTest::keyClick(f.focusWidget(), Qt::Key_Down);
        QCOMPARE(dateChoisie(), QStringLiteral("27/03/2025"));
        // An empty cell changes nothing, even on a double-click.
        doubleClic(cellule(1));
        QVERIFY(f.isVisible());
        QCOMPARE(dateChoisie(), QStringLiteral("27/03/2025"));
    }

    void fermeture_data() {
        test::colonnes<bool, QString, int, QString>({"vue", "geste", "annulation", "rendu"});
        ligne("double-clic sur un jour", false, "double", 0, "20/03/2025");
        ligne("Échap annule", false, "echap", 1, "avant");
        ligne("case de fermeture", false, "fermer", 1, "avant");
        ligne("Entrée dans la liste des mois", false, "entree", 0, "20/03/2025");
        ligne("vue: Échap vaut Ok", true, "echap", 0, "20/03/2025");
    }
    void fermeture() {
        QFETCH(bool, vue);
        QFETCH(QString, geste);
        FenetreCalendrier& f = ouvrir(QStringLiteral("10/03/2025"), QStringLiteral("25"),
                                      vue ? QStringLiteral("OK") : QString());
        QTest::mouseClick(cellule(25), Qt::LeftButton);
        libcalc().param_msg[1] = QStringLiteral("avant");
        libcalc().annulation = 7;
        if (geste == u"double")
            doubleClic(cellule(25));
        else if (geste == u"entree")
            QTest::keyClick(enfant<QListWidget>(QStringLiteral("list_mois")), Qt::Key_Return);
        else if (geste == u"echap")
            QTest::keyClick(&f, Qt::Key_Escape);
        else
            f.close();
        QVERIFY(!f.isVisible());
        QTEST(int(libcalc().annulation), "annulation");
        QTEST(libcalc().param_msg[1], "rendu");
    }

    // Tab from the month list back to it reads the screen, row by row, in both modes. The
    // window is kept between showings: the view row runs first, so that a view mode leaking into
    // the next showing would hide Annuler from the choice.
    void ordreDeTabulation_data() {
        QTest::addColumn<QString>("mode");
        ligne("vue", "OK");
        ligne("choix", "");
    }
    void ordreDeTabulation() {
        QFETCH(QString, mode);
        FenetreCalendrier& f = ouvrir(QStringLiteral("10/03/2025"), QStringLiteral("25"), mode);
        const QStringList ecran = test::noms(test::ordreALEcran(&f));
        QCOMPARE(test::noms(test::suiteDeTab(enfant<QWidget>(QStringLiteral("list_mois")))), ecran);
        QVERIFY(ecran.contains(QStringLiteral("carre")));
        QCOMPARE(ecran.contains(QStringLiteral("com_annul")), mode.isEmpty());
    }

    // Keys in the grid and the month buttons move the selection, and the month and year lists
    // follow; the selection stops at the ends of the year list (2016-2051), where a key going
    // the wrong way would move it. The four arrows share one stop, the buttons Page Up and Page
    // Down's: their rows check which way each goes.
    void deplacements_data() {
        // geste: a key by its QKeySequence name, or the name of the button clicked
        test::colonnes<QString, QString, QString>({"depart", "geste", "attendu"});
        ligne("droite: mois suivant", "31/01/2025", "Right", "01/02/2025");
        ligne("haut: semaine avant", "31/01/2025", "Up", "24/01/2025");
        ligne("bas: semaine après", "31/01/2025", "Down", "07/02/2025");
        ligne("gauche au 1er janvier 2016", "01/01/2016", "Left", "01/01/2016");
        ligne("page haut en janvier 2016", "15/01/2016", "PgUp", "15/01/2016");
        ligne("page bas en décembre 2051", "15/12/2051", "PgDown", "15/12/2051");
        ligne("gauche vers l'année d'avant", "01/01/2017", "Left", "31/12/2016");
        ligne("31 janvier, mois suivant", "31/01/2025", "com_mois(2)", "28/02/2025");
        ligne("28 février, mois précédent", "28/02/2025", "com_mois(1)", "28/01/2025");
    }
    void deplacements() {
        QFETCH(QString, depart);
        QFETCH(QString, geste);
        QFETCH(QString, attendu);
        ouvrir(depart);
        if (geste.startsWith(u"com_")) {
            cliquer(geste);
        } else {
            const QKeyCombination touche = QKeySequence::fromString(geste)[0];
            QVERIFY(touche.key() != Qt::Key_unknown);
            QTest::keyClick(enfant<QWidget>(QStringLiteral("carre")), touche.key());
        }
        QCOMPARE(dateChoisie(), attendu);
        QCOMPARE(enfant<QListWidget>(QStringLiteral("list_mois"))->currentRow() + 1,
                 attendu.mid(3, 2).toInt());
        QCOMPARE(enfant<QListWidget>(QStringLiteral("list_annee"))->currentItem()->text(),
                 attendu.right(4));
    }
};

QTEST_MAIN(TestCalendrier)
#include "tst_calendrier.moc"
