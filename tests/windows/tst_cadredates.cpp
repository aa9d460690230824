// SPDX-License-Identifier: GPL-3.0-or-later
// The date frame driven as a user drives it: keys typed into the real fields, units clicked,
// buttons pressed; the fields, the result and the history read back.
#include "faux.h"
#include "lignes.h"
#include "ordretabulation.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/main/fenetreprincipale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
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
    void cliquer(const QString& nom) { test::cliquer(m_fenetre.get(), nom); }
    void cliquerUnite(const QString& texte) {
        QListWidgetItem* ligne = liste()->findItems(texte, Qt::MatchExactly).value(0);
        QVERIFY(ligne);
        liste()->scrollToItem(ligne);
        QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {},
                          liste()->visualItemRect(ligne).center());
        QTest::qWait(20); // the click is handled once its release has gone through
    }

    // Every history line and the result read whole: nothing cut, nothing to scroll to.
    void toutSeLit() {
        auto* boite = m_fenetre->findChild<QPlainTextEdit*>(QStringLiteral("sais_histo(2)"));
        for (const QString& l : historique().split(u'\n'))
            QVERIFY2(boite->fontMetrics().horizontalAdvance(l) <= boite->viewport()->width(),
                     qPrintable(l));
        QVERIFY(!boite->horizontalScrollBar()->isVisible());
        const auto* label = m_fenetre->findChild<QLabel*>(QStringLiteral("lib_calcul"));
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                     label->contentsRect().width(),
                 qPrintable(label->text()));
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
        test::regler(&Options::saisdate, false); // full dates are typed below
    }
    void cleanup() { m_fenetre.reset(); }

    // A calculation as a user makes it ("ordre"): 0, the dates and the increment, then a click on
    // the unit; 1, for an exact increment, the unit first, then the increment in words and
    // Enter; 2, unit words typed under "Mois", which pick the row that reads them, and Enter.
    void calcul_data() {
        test::colonnes<QString, QString, QString, QString, int, bool, QString, QString>(
            {"depart", "increment", "fin", "unite", "ordre", "alsace", "calcul", "lignes"});
        ligne("a click on the current unit adds a month", "31/01/2024", "1", "", "Mois", 0, false,
              "29/02/2024", "\n DD : 31/01/2024\n Inc: 1 Mois\n DF : 29/02/2024\n");
        ligne("Good Friday off in Alsace-Moselle", "28/03/2024", "1", "", "J. ouvrés", 0, true,
              "02/04/2024", "\n DD : 28/03/2024\n Inc: 1 J. ouvrés\n DF : 02/04/2024\n");
        // A long line goes on under its start.
        ligne("a long count of working days", "01/01/2024", "123456", "", "J. ouvrables", 0, false,
              "07/02/2431",
              "\n DD : 01/01/2024\n Inc: 123456 J.\n      ouvrables\n DF : 07/02/2431\n");
        ligne("an age", "15/12/1990", "", "06/12/2026", "Ans, mois, j.", 0, false,
              "35 ans, 11 mois et 21 jours",
              "\n DD : 15/12/1990\n DF : 06/12/2026\n Int: 35 ans, 11 mois\n      et 21 jours\n"
              "      (13140 jours)\n");
        ligne("weeks taken back", "26/09/2024", "-38 sem 3 j", "", "Semaines, j.", 1, false,
              "01/01/2024",
              "\n DD : 26/09/2024\n Inc: −38 semaines\n      et 3 jours\n DF : 01/01/2024\n");
        ligne("unit words under Mois", "31/01/2024", "1 an 2 mois 3 jours", "", "Ans, mois, j.", 2,
              false, "03/04/2025",
              "\n DD : 31/01/2024\n Inc: 1 an, 2 mois\n      et 3 jours\n DF : 03/04/2025\n");
    }
    void calcul() {
        QFETCH(QString, depart);
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(QString, unite);
        QFETCH(int, ordre);
        QFETCH(bool, alsace);
        test::regler(&Options::alsacemoselle, alsace);
        QCOMPARE(liste()->currentItem()->text(), QStringLiteral("Mois"));
        saisir(QStringLiteral("sais_date(1)"), depart);
        if (ordre != 1) saisir(QStringLiteral("sais_increment"), increment);
        if (ordre == 0) {
            saisir(QStringLiteral("sais_date(2)"), fin);
            cliquerUnite(unite);
        } else if (ordre == 1) {
            cliquerUnite(unite);
            // Picking the unit asked for the increment, without a message (a message box would
            // have held the test here).
            QCOMPARE(nomFocus(), QStringLiteral("sais_increment"));
            taper(increment);
        }
        if (ordre != 0) {
            QCOMPARE(historique(), QString()); // nothing calculated while typing
            // The words are kept (a blank typed before them may go).
            QCOMPARE(champ(QStringLiteral("sais_increment"))->text().remove(u' '),
                     QString(increment).remove(u' '));
            touche(Qt::Key_Return);
        }
        test::regler(&Options::alsacemoselle, false);
        QCOMPARE(liste()->currentItem()->text(), unite);
        QTEST(resultat(), "calcul");
        if (fin.isEmpty()) QTEST(champ(QStringLiteral("sais_date(2)"))->text(), "calcul");
        QTEST(historique(), "lignes");
        QCOMPARE(nomFocus(), QStringLiteral("list_increment"));
        QVERIFY(m_faux.boite->messages.isEmpty());
        toutSeLit();
    }

    // The working-day rows tell, on hover and to a screen reader, whether the Alsace-Moselle
    // holidays count, as the options stand.
    void lignesOuvresSuiventLesOptions() {
        for (bool alsace : {true, false}) {
            test::regler(&Options::alsacemoselle, alsace);
            for (const char* texte : {"J. ouvrés", "J. ouvrables"}) {
                const QListWidgetItem* ligne =
                    liste()->findItems(QString::fromUtf8(texte), Qt::MatchExactly).value(0);
                QVERIFY(ligne);
                QCOMPARE(ligne->toolTip().contains(u"Alsace-Moselle"), alsace);
                QCOMPARE(ligne->data(Qt::AccessibleTextRole).toString(), ligne->toolTip());
            }
        }
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

    // Tab walks each frame row by row, left to right, from its first control to the history
    // box beside the rows.
    void ordreTabulation_data() {
        test::colonnes<int, QString, QString>({"cle", "cadre", "dernier"});
        ligne("date frame", int(Qt::Key_F3), "cadres(2)", "sais_histo(2)");
        ligne("time frame", int(Qt::Key_F2), "cadres(1)", "sais_histo(1)");
    }
    void ordreTabulation() {
        QFETCH(int, cle);
        QFETCH(QString, cadre);
        QFETCH(QString, dernier);
        QTest::keyClick(m_fenetre.get(), Qt::Key(cle));
        auto* c = m_fenetre->findChild<QWidget*>(cadre);
        const int coupure = m_fenetre->findChild<QWidget*>(dernier)->mapTo(c, QPoint()).x();
        const QStringList ecran = test::noms(test::ordreALEcran(c, coupure));
        const QStringList suite = test::noms(test::suiteDeTab(QApplication::focusWidget()));
        QCOMPARE(suite.mid(0, suite.indexOf(dernier) + 1), ecran);
    }

    // The keyboard alone: Enter goes round the fields and the unit list, reaching the list
    // calculates nothing, the arrows in it change the unit and calculate.
    void auClavier() {
        saisir(QStringLiteral("sais_date(1)"), QStringLiteral("31/01/2024"));
        touche(Qt::Key_Return);
        QCOMPARE(nomFocus(), QStringLiteral("sais_increment"));
        taper(QStringLiteral("1"));
        touche(Qt::Key_Return);
        QCOMPARE(nomFocus(), QStringLiteral("list_increment"));
        QCOMPARE(historique(), QString());
        touche(Qt::Key_Down);
        QCOMPARE(champ(QStringLiteral("sais_date(2)"))->text(), QStringLiteral("30/04/2024"));
        QCOMPARE(historique(),
                 QStringLiteral("\n DD : 31/01/2024\n Inc: 1 Tr.\n DF : 30/04/2024\n"));
        touche(Qt::Key_Up);
        QCOMPARE(resultat(), QStringLiteral("29/02/2024"));
        const QString lignes = historique();
        for (const char* suivant : {"sais_date(2)", "sais_date(1)"}) {
            touche(Qt::Key_Return);
            QCOMPARE(nomFocus(), QLatin1String(suivant));
        }
        touche(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(nomFocus(), QStringLiteral("sais_increment"));
        // Enter is swallowed: no field gained a line or lost its text, nothing was calculated.
        QCOMPARE(champ(QStringLiteral("sais_date(1)"))->text(), QStringLiteral("31/01/2024"));
        QCOMPARE(historique(), lignes);
    }

    // The increment keeps its sign; under a count unit the number filter strips what is no
    // unit word.
    void filtreIncrement_data() {
        test::colonnes<QString, QString>({"tape", "attendu"});
        ligne("sign kept", "12-3", "-123");
        ligne("a letter that is no unit vanishes", "12 x3", "123");
    }
    void filtreIncrement() {
        QFETCH(QString, tape);
        QLineEdit* increment = champ(QStringLiteral("sais_increment"));
        saisir(QStringLiteral("sais_increment"), tape);
        QTEST(increment->text(), "attendu");
        QCOMPARE(increment->cursorPosition(), int(increment->text().size()));
    }

    // What the history writes, copied from it and pasted back as the increment, leads to the
    // same end: an increment with both signs, and a difference counted backwards.
    void historiqueRecopie_data() {
        test::colonnes<QString, QString, QString, QString, QString>(
            {"depart", "increment", "fin", "entete", "arrivee"});
        ligne("back a month, forward two days", "31/03/2024", "-1 mois +2 j", "",
              " Inc: ", "02/03/2024");
        ligne("an age backwards", "06/12/2026", "", "15/12/1990", " Int: ", "15/12/1990");
    }
    void historiqueRecopie() {
        QFETCH(QString, depart);
        QFETCH(QString, increment);
        QFETCH(QString, fin);
        QFETCH(QString, entete);
        saisir(QStringLiteral("sais_date(1)"), depart);
        if (!fin.isEmpty()) saisir(QStringLiteral("sais_date(2)"), fin);
        cliquerUnite(QStringLiteral("Ans, mois, j."));
        if (!increment.isEmpty()) {
            taper(increment);
            touche(Qt::Key_Return);
        }
        QTEST(champ(QStringLiteral("sais_date(2)"))->text(), "arrivee");
        // The value under the heading, its lines joined, less the total in brackets.
        const QStringList lignes = historique().split(u'\n');
        qsizetype i = 0;
        while (i < lignes.size() && !lignes[i].startsWith(entete))
            ++i;
        QVERIFY(i < lignes.size());
        QString copie = lignes[i].mid(entete.size());
        while (++i < lignes.size() && lignes[i].startsWith(u"      "))
            if (!lignes[i].trimmed().startsWith(u'(')) copie += u' ' + lignes[i].trimmed();
        QGuiApplication::clipboard()->setText(copie);

        saisir(QStringLiteral("sais_date(2)"), QString());
        touche(Qt::Key_A, Qt::ControlModifier);
        touche(Qt::Key_Delete);
        saisir(QStringLiteral("sais_increment"), QString());
        touche(Qt::Key_A, Qt::ControlModifier);
        touche(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(champ(QStringLiteral("sais_increment"))->text(), copie);
        touche(Qt::Key_Return);
        QTEST(champ(QStringLiteral("sais_date(2)"))->text(), "arrivee");
    }

    // Dates typed with completion on over a date selected with Ctrl+A or with End then
    // Shift+Home. (Typing into an empty field is the filter's own table.)
    void dateTapee_data() {
        test::colonnes<QString, bool, QString>({"tape", "ctrlA", "date"});
        const QString annee = QString::number(QDate::currentDate().year());
        ligne("digits only, over Ctrl+A", "25032024", true, "25/03/2024");
        ligne("day and month only, over Shift+Home", "2503", false,
              QStringLiteral("25/03/") + annee);
    }
    void dateTapee() {
        QFETCH(QString, tape);
        QFETCH(bool, ctrlA);
        test::regler(&Options::saisdate, true);
        QLineEdit* date = champ(QStringLiteral("sais_date(1)"));
        taper(QStringLiteral("01/12/2025"));
        if (ctrlA) {
            touche(Qt::Key_A, Qt::ControlModifier);
        } else {
            touche(Qt::Key_End);
            touche(Qt::Key_Home, Qt::ShiftModifier);
        }
        QCOMPARE(date->selectedText(), date->text());
        taper(tape);
        QTEST(date->text(), "date");
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
        test::colonnes<int, bool, QString>({"index", "ok", "attendu"});
        ligne("Ok pour la date de début", 1, true, "20/03/2025");
        ligne("Ok pour la date de fin", 2, true, "20/03/2025");
        ligne("Annuler laisse le champ", 1, false, " 15/03/2025");
    }
    void calendrierDUnChamp() {
        QFETCH(int, index);
        QFETCH(bool, ok);
        const QString nom = QStringLiteral("sais_date(%1)").arg(index);
        champ(nom)->setText(QStringLiteral(" 15/03/2025"));
        champ(QStringLiteral("sais_date(%1)").arg(3 - index))->setFocus();
        QString montre;
        test::quandModal(QStringLiteral("calend"), [&](QWidget* cal) {
            montre = cal->findChild<QLabel*>(QStringLiteral("lib_date"))->text();
            for (auto* c : cal->findChildren<QLabel*>())
                if (c->objectName().startsWith(u"lib_jour(") && c->text() == u"20")
                    QTest::mouseClick(c, Qt::LeftButton);
            test::enfant<QAbstractButton>(cal, ok ? QStringLiteral("com_ok")
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
