// SPDX-License-Identifier: GPL-3.0-or-later
// The date frame driven as a user drives it: keys typed into the real fields, units clicked,
// buttons pressed; the fields, the result and the history read back.
#include "core/textesdates.h"
#include "faux.h"
#include "lignes.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/msgbox/usermsgbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace orvaline;
using test::ligne;

class TestCadreDates : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;
    std::unique_ptr<FenetrePrincipale> m_fenetre;

    QLineEdit* champ(const QString& nom) const { return m_fenetre->findChild<QLineEdit*>(nom); }
    QListWidget* liste() const {
        return m_fenetre->findChild<QListWidget*>(QStringLiteral("list_increment"));
    }
    QString historique() const {
        return m_fenetre->findChild<QPlainTextEdit*>(QStringLiteral("sais_histo(2)"))
            ->toPlainText();
    }
    QString resultat() const {
        return m_fenetre->findChild<QLabel*>(QStringLiteral("lib_calcul"))->text();
    }
    static QString nomFocus() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Keys go where the user's keys would go: to the field that has the focus.
    static void taper(const QString& texte) {
        QTest::keyClicks(QApplication::focusWidget(), texte);
    }
    static void touche(Qt::Key t, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), t, m);
    }
    void saisir(const QString& nom, const QString& texte) {
        champ(nom)->setFocus();
        taper(texte);
    }
    void cliquer(const QString& nom) {
        QTest::mouseClick(m_fenetre->findChild<QAbstractButton*>(nom), Qt::LeftButton);
    }
    void cliquerUnite(const QString& texte) {
        QListWidgetItem* ligne = liste()->findItems(texte, Qt::MatchExactly).value(0);
        QVERIFY(ligne);
        liste()->scrollToItem(ligne);
        QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {},
                          liste()->visualItemRect(ligne).center());
        QTest::qWait(20); // the click is handled once its release has gone through
    }

    // The calendar's cell showing `jour`, through the window as the desktop delivers clicks.
    static void cliquerJour(QWidget* calendrier, const QString& jour, bool double_ = false) {
        for (auto* c : calendrier->findChildren<QLabel*>())
            if (c->objectName().startsWith(u"lib_jour(") && c->text() == jour) {
                if (double_)
                    QTest::mouseDClick(calendrier->windowHandle(), Qt::LeftButton, {},
                                       c->mapTo(calendrier, c->rect().center()));
                else
                    QTest::mouseClick(c, Qt::LeftButton);
                return;
            }
    }

private slots:
    void init() {
        m_faux = test::installerFaux();
        initialisation();
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().chemin_appli = m_dossier.path();
        m_fenetre = std::make_unique<FenetrePrincipale>();
        m_fenetre->charger();
        m_fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
        QTest::keyClick(m_fenetre.get(), Qt::Key_F3);
        QCOMPARE(nomFocus(), QStringLiteral("sais_date(1)"));
        libcalc().opt_saisdate = 0; // full dates are typed below
    }
    void cleanup() { m_fenetre.reset(); }

    void calcul_data() {
        for (const char* c : {"depart", "increment", "fin", "unite", "decimal"})
            QTest::addColumn<QString>(c);
        // parCalculer: the unit chosen, then "Calculer"
        test::colonnes<bool, QString, QString>({"parCalculer", "calcul", "lignes"});
        ligne("a click on the current unit adds a month", "31/01/2024", "1", "", "Mois", ".", false,
              "29/02/2024", "\n DD : 31/01/2024\n Inc: 1 Mois\n DF : 29/02/2024\n");
        ligne("a click that changes the unit calculates once", "15/03/2024", "-1", "", "Trimestres",
              ".", false, "15/12/2023", "\n DD : 15/03/2024\n Inc: -1 Tr.\n DF : 15/12/2023\n");
        ligne("2,5 typed with a comma symbol reads as 2", "15/03/2024", "2,5", "", "Jours", ",",
              true, "17/03/2024", "\n DD : 15/03/2024\n Inc: 2 J\n DF : 17/03/2024\n");
        ligne("two dates give an interval", "01/01/2024", "", "01/03/2024", "Jours", ".", false,
              "60 J", "\n DD : 01/01/2024\n DF : 01/03/2024\n Int: 60 J\n");
    }
    void calcul() {
        QFETCH(QString, depart);
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(QString, unite);
        QFETCH(QString, decimal);
        QFETCH(bool, parCalculer);
        m_faux.regionaux->decimal = decimal;
        m_fenetre->tic(); // reads the decimal symbol again

        saisir(QStringLiteral("sais_date(1)"), depart);
        saisir(QStringLiteral("sais_increment"), increment);
        saisir(QStringLiteral("sais_date(2)"), fin);
        if (parCalculer) {
            {
                // Any change of row calculates; here the button is to do it.
                const QSignalBlocker silence(liste());
                liste()->setCurrentItem(liste()->findItems(unite, Qt::MatchExactly).value(0));
            }
            cliquer(QStringLiteral("com_date"));
        } else {
            cliquerUnite(unite);
        }
        QTEST(resultat(), "calcul");
        if (fin.isEmpty()) QTEST(champ(QStringLiteral("sais_date(2)"))->text(), "calcul");
        QTEST(historique(), "lignes");
        QCOMPARE(nomFocus(), QStringLiteral("list_increment"));
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    // Good Friday off in Alsace-Moselle.
    void alsaceMoselle() {
        libcalc().opt_alsacemoselle = 1;
        saisir(QStringLiteral("sais_date(1)"), QStringLiteral("28/03/2024"));
        saisir(QStringLiteral("sais_increment"), QStringLiteral("1"));
        cliquerUnite(QStringLiteral("J. ouvrés"));
        libcalc().opt_alsacemoselle = 0;
        QCOMPARE(champ(QStringLiteral("sais_date(2)"))->text(), QStringLiteral("02/04/2024"));
    }

    // The exact differences as a user reaches them: the dates, then the unit; to add, the unit
    // first, then the increment in words and Enter.
    void ecartExact_data() {
        test::colonnes<QString, QString, QString, QString, QString, QString>(
            {"depart", "increment", "fin", "unite", "calcul", "lignes"});
        ligne("an age", "15/12/1990", "", "06/12/2026", "Ans, mois, j.",
              "35 ans, 11 mois et 21 jours",
              "\n DD : 15/12/1990\n DF : 06/12/2026\n Int: 35 ans, 11 mois\n      et 21 jours\n"
              "      (13140 jours)\n");
        ligne("a pregnancy in weeks", "01/01/2024", "", "26/09/2024", "Semaines, j.",
              "38 semaines et 3 jours",
              "\n DD : 01/01/2024\n DF : 26/09/2024\n Int: 38 semaines\n      et 3 jours\n"
              "      (269 jours)\n");
        ligne("years, months and days added", "29/02/2000", "3 ans 11 mois 30 j", "",
              "Ans, mois, j.", "28/02/2004",
              "\n DD : 29/02/2000\n Inc: 3 ans, 11 mois\n      et 30 jours\n DF : 28/02/2004\n");
        ligne("weeks taken back", "26/09/2024", "-38 sem 3 j", "", "Semaines, j.", "01/01/2024",
              "\n DD : 26/09/2024\n Inc: −38 semaines\n      et 3 jours\n DF : 01/01/2024\n");
    }
    void ecartExact() {
        QFETCH(QString, depart);
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(QString, unite);
        saisir(QStringLiteral("sais_date(1)"), depart);
        if (!fin.isEmpty()) saisir(QStringLiteral("sais_date(2)"), fin);
        cliquerUnite(unite);
        if (!increment.isEmpty()) {
            // Picking the unit asked for the increment, without a message (a message box would
            // have held the test here).
            QCOMPARE(nomFocus(), QStringLiteral("sais_increment"));
            QCOMPARE(historique(), QString());
            taper(increment);
            QCOMPARE(champ(QStringLiteral("sais_increment"))->text(), increment);
            touche(Qt::Key_Return);
            QTEST(champ(QStringLiteral("sais_date(2)"))->text(), "calcul");
        }
        QTEST(resultat(), "calcul");
        QTEST(historique(), "lignes");
        QCOMPARE(nomFocus(), QStringLiteral("list_increment"));
        // The label shows the whole text, however long.
        const auto* label = m_fenetre->findChild<QLabel*>(QStringLiteral("lib_calcul"));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <=
                label->contentsRect().width());
    }

    // A number without a unit under an exact difference: told, and sent back to the field.
    void incrementIllisible() {
        saisir(QStringLiteral("sais_date(1)"), QStringLiteral("01/01/2024"));
        saisir(QStringLiteral("sais_increment"), QStringLiteral("12"));
        test::repondreAuProchainModal(QStringLiteral("Ok"));
        cliquerUnite(QStringLiteral("Ans, mois, j."));
        const QString texte =
            UserMsgBox::instance().findChild<QLabel*>(QStringLiteral("libelles"))->text();
        QVERIFY2(texte.startsWith(u"L'Incrément est illisible"), qPrintable(texte));
        QCOMPARE(m_fenetre->focusWidget(), champ(QStringLiteral("sais_increment")));
        QCOMPARE(champ(QStringLiteral("sais_date(2)"))->text(), QString());
        QCOMPARE(historique(), QString());
    }

    // Every unit reads whole in the list's designed width, with no hover.
    void libellesEntiers() {
        for (int i = 0; i < liste()->count(); ++i) {
            const QString texte = liste()->item(i)->text();
            QVERIFY2(liste()->fontMetrics().horizontalAdvance(texte) + 6 <=
                         liste()->viewport()->width(),
                     qPrintable(texte));
        }
    }

    // A long count of working days goes on under its start: nothing cut, nothing to scroll to.
    void ligneLongueEntiere() {
        saisir(QStringLiteral("sais_date(1)"), QStringLiteral("01/01/2024"));
        saisir(QStringLiteral("sais_increment"), QStringLiteral("123456"));
        cliquerUnite(QStringLiteral("J. ouvrables"));
        auto* boite = m_fenetre->findChild<QPlainTextEdit*>(QStringLiteral("sais_histo(2)"));
        const QStringList lignes = historique().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(historique().contains(u"ouvrables"), qPrintable(historique()));
        for (const QString& l : lignes)
            QVERIFY2(boite->fontMetrics().horizontalAdvance(l) <= boite->viewport()->width(),
                     qPrintable(l));
        QVERIFY(!boite->horizontalScrollBar()->isVisible());
    }

    // Tab walks each frame row by row, left to right, from its first control to the history
    // box beside the rows.
    void ordreTabulation_data() {
        test::colonnes<int, QString, QString>({"cle", "premier", "dernier"});
        ligne("date frame", int(Qt::Key_F3), "sais_date(1)", "sais_histo(2)");
        ligne("time frame", int(Qt::Key_F2), "sais_time(1)", "sais_histo(1)");
    }
    void ordreTabulation() {
        QFETCH(int, cle);
        QFETCH(QString, premier);
        QFETCH(QString, dernier);
        QTest::keyClick(m_fenetre.get(), Qt::Key(cle));
        QCOMPARE(nomFocus(), premier);
        QList<QWidget*> ordre{QApplication::focusWidget()};
        while (ordre.size() < 20 && ordre.last()->objectName() != dernier) {
            touche(Qt::Key_Tab);
            ordre << QApplication::focusWidget();
        }
        QCOMPARE(ordre.last()->objectName(), dernier);
        // a comes before b when both share a row and a stands to the left, or when a's row
        // lies wholly above b's.
        auto avant = [this](QWidget* a, QWidget* b) {
            const QRect ra(a->mapTo(m_fenetre.get(), QPoint()), a->size());
            const QRect rb(b->mapTo(m_fenetre.get(), QPoint()), b->size());
            if (ra.top() <= rb.bottom() && rb.top() <= ra.bottom()) return ra.left() < rb.left();
            return ra.bottom() < rb.top();
        };
        for (int i = 0; i < ordre.size(); ++i)
            for (int j = i + 1; j < ordre.size(); ++j)
                QVERIFY2(avant(ordre[i], ordre[j]),
                         qPrintable(ordre[i]->objectName() + QStringLiteral(" / ") +
                                    ordre[j]->objectName()));
    }

    void uniteAuClavier() {
        saisir(QStringLiteral("sais_date(1)"), QStringLiteral("31/01/2024"));
        saisir(QStringLiteral("sais_increment"), QStringLiteral("1"));
        touche(Qt::Key_Return);
        QCOMPARE(nomFocus(), QStringLiteral("list_increment"));
        QCOMPARE(historique(), QString()); // reaching the list calculates nothing
        touche(Qt::Key_Down);
        QCOMPARE(champ(QStringLiteral("sais_date(2)"))->text(), QStringLiteral("30/04/2024"));
        QCOMPARE(historique(),
                 QStringLiteral("\n DD : 31/01/2024\n Inc: 1 Tr.\n DF : 30/04/2024\n"));
        touche(Qt::Key_Up);
        QCOMPARE(resultat(), QStringLiteral("29/02/2024"));
    }

    void anneauEntree() {
        saisir(QStringLiteral("sais_date(1)"), QStringLiteral("12"));
        const QStringList ordre = {QStringLiteral("sais_increment"),
                                   QStringLiteral("list_increment"), QStringLiteral("sais_date(2)"),
                                   QStringLiteral("sais_date(1)")};
        for (const QString& suivant : ordre) {
            touche(Qt::Key_Return);
            QCOMPARE(nomFocus(), suivant);
        }
        touche(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(nomFocus(), QStringLiteral("sais_increment"));
        // Enter is swallowed: no field gained a line or lost its text, nothing was calculated.
        QCOMPARE(champ(QStringLiteral("sais_date(1)"))->text(), QStringLiteral("12"));
        QCOMPARE(historique(), QString());
    }

    void filtresBranches_data() {
        // derniere: then pressed on the keypad
        test::colonnes<QString, QString, int, QString>({"nom", "tape", "derniere", "attendu"});
        ligne("increment keeps its sign", "sais_increment", "12-3", 0, "-123");
        // Words are for the exact differences only; under a count the number filter stays.
        ligne("a word vanishes under a count unit", "sais_increment", "1 an", 0, "1");
    }
    void filtresBranches() {
        QFETCH(QString, nom);
        QFETCH(QString, tape);
        QFETCH(int, derniere);
        saisir(nom, tape);
        if (derniere != 0) touche(Qt::Key(derniere), Qt::KeypadModifier);
        QTEST(champ(nom)->text(), "attendu");
        QCOMPARE(champ(nom)->cursorPosition(), int(champ(nom)->text().size()));
    }

    // Dates typed the ways people type them, with completion on, into an empty field or over
    // a date selected with Ctrl+A or with End then Shift+Home.
    void dateTapee_data() {
        // selection: 0 empty field, 1 Ctrl+A, 2 End then Shift+Home
        test::colonnes<QString, int, QString>({"tape", "selection", "date"});
        const QString annee = QString::number(QDate::currentDate().year());
        QTest::newRow("one-digit day and month") << "1/2/2024" << 0 << "01/02/2024";
        QTest::newRow("two-digit year") << "01/02/24" << 0 << "01/02/2024";
        QTest::newRow("digits only, over Ctrl+A") << "25032024" << 1 << "25/03/2024";
        QTest::newRow("day and month only, over Shift+Home")
            << "2503" << 2 << QStringLiteral("25/03/") + annee;
    }
    void dateTapee() {
        QFETCH(QString, tape);
        QFETCH(int, selection);
        libcalc().opt_saisdate = 1;
        QLineEdit* date = champ(QStringLiteral("sais_date(1)"));
        if (selection != 0) {
            taper(QStringLiteral("01/12/2025"));
            if (selection == 1) {
                touche(Qt::Key_A, Qt::ControlModifier);
            } else {
                touche(Qt::Key_End);
                touche(Qt::Key_Home, Qt::ShiftModifier);
            }
            QCOMPARE(date->selectedText(), date->text());
        }
        taper(tape);
        QString texte = date->text();
        QVERIFY2(validerdate(texte), qPrintable(date->text()));
        QTEST(texte, "date");
    }

    void pasJour_data() {
        test::colonnes<int, QString, QString, QString>({"bouton", "avant", "apres", "focus"});
        // A button takes the focus when clicked; only a field it stepped takes it from there.
        ligne("start date one day back", 1, "01/03/2024", "29/02/2024", "sais_date(1)");
        ligne("end date one day on, into a new year", 4, "31/12/2024", "01/01/2025",
              "sais_date(2)");
        ligne("a text that is no date is left alone", 2, "45/45/2024", "45/45/2024",
              "com_incdate(2)");
    }
    void pasJour() {
        QFETCH(int, bouton);
        QFETCH(QString, avant);
        QLineEdit* date =
            champ(bouton <= 2 ? QStringLiteral("sais_date(1)") : QStringLiteral("sais_date(2)"));
        date->setText(avant);
        date->setCursorPosition(0);
        champ(QStringLiteral("sais_increment"))->setFocus();
        cliquer(QStringLiteral("com_incdate(%1)").arg(bouton));
        QTEST(date->text(), "apres");
        QTEST(nomFocus(), "focus");
        if (date->text() != avant) QCOMPARE(date->cursorPosition(), int(date->text().size()));
        QCOMPARE(historique(), QString());
    }

    // The calendar buttons hand their field's text over untrimmed and write the day back.
    void calendrierDUnChamp_data() {
        test::colonnes<int, QString, QString>({"index", "geste", "attendu"});
        ligne("double-clic sur un jour", 1, "double", "20/03/2025");
        ligne("Ok pour la date de fin", 2, "ok", "20/03/2025");
        ligne("Annuler laisse le champ", 1, "annuler", " 15/03/2025");
    }
    void calendrierDUnChamp() {
        QFETCH(int, index);
        QFETCH(QString, geste);
        const QString nom = QStringLiteral("sais_date(%1)").arg(index);
        champ(nom)->setText(QStringLiteral(" 15/03/2025"));
        champ(QStringLiteral("sais_date(%1)").arg(3 - index))->setFocus();
        QString montre;
        test::quandModal(QStringLiteral("calend"), [&](QWidget* cal) {
            montre = cal->findChild<QLabel*>(QStringLiteral("lib_date"))->text();
            cliquerJour(cal, QStringLiteral("20"), geste == u"double");
            if (geste != u"double")
                cal->findChild<QAbstractButton*>(geste == u"ok" ? QStringLiteral("com_ok")
                                                                : QStringLiteral("com_annul"))
                    ->click();
        });
        cliquer(QStringLiteral("com_calendrier(%1)").arg(index));
        QCOMPARE(montre, QStringLiteral("15/03/2025"));
        QTEST(champ(nom)->text(), "attendu");
        // The desktop gives the main window back its activation, and with it this focus.
        QCOMPARE(m_fenetre->focusWidget(), champ(nom));
    }
};

QTEST_MAIN(TestCadreDates)
#include "tst_cadredates.moc"
