// SPDX-License-Identifier: GPL-3.0-or-later
// The time calculator as the user drives it: typing into the fields, clicking the buttons and
// reading the tape, plus the date frame's reset.
#include "faux.h"
#include "shared/libcalc.h"
#include "windows/common/noms.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/msgbox/usermsgbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace orvaline;
using namespace Qt::StringLiterals;

class TestGestionTemps : public QObject {
    Q_OBJECT

    std::unique_ptr<FenetrePrincipale> m_fenetre;
    test::Faux m_faux{};
    QTemporaryDir m_dossier;

    QLineEdit* champ(int i) { return m_fenetre->findChild<QLineEdit*>(nomIndexe(u"sais_time", i)); }
    QLabel* label(const QString& n) { return m_fenetre->findChild<QLabel*>(n); }
    QPlainTextEdit* bande(int i) {
        return m_fenetre->findChild<QPlainTextEdit*>(nomIndexe(u"sais_histo", i));
    }
    QString texteBande() { return bande(1)->toPlainText(); }
    void cliquer(const char16_t* bouton, int i) {
        auto* b = m_fenetre->findChild<QAbstractButton*>(nomIndexe(bouton, i));
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Clicks into a field (a real focus move, as the user makes it) and types over its text.
    void taper(int i, const QString& texte) {
        test::retaper(m_fenetre.get(), nomIndexe(u"sais_time", i), texte);
    }
    QStringList champs() {
        QStringList t;
        for (int i = 1; i <= 4; ++i)
            t << champ(i)->text();
        return t;
    }

private slots:
    void initTestCase() {
        m_faux = test::installerFaux();
        // A comma setting: the numbers typed must use it.
        m_faux.regionaux->decimal = u","_s;
        m_faux.regionaux->milliers = u"."_s;
        libcalc().chemin_appli = m_dossier.path();
    }

    void init() {
        m_fenetre = std::make_unique<FenetrePrincipale>();
        m_fenetre->charger();
        m_fenetre->show();
        QApplication::setActiveWindow(m_fenetre.get());
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
        QCOMPARE(QApplication::focusWidget(), champ(1));
    }

    void cleanup() { m_fenetre.reset(); }

    // A long session: each calculation adds 23:59:59, so the days pass 999 on the way.
    void longueBande() {
        m_fenetre->hide(); // nothing to paint
        auto* plus = m_fenetre->findChild<QAbstractButton*>(nomIndexe(u"com_oper", 1));
        auto* egal = m_fenetre->findChild<QAbstractButton*>(nomIndexe(u"com_oper", 5));
        // Each line is added to the end of the tape: written again in full at every line,
        // the same run takes minutes.
        QElapsedTimer chrono;
        chrono.start();
        for (int i = 0; i < 5000; ++i) {
            plus->click();
            for (int c = 2; c <= 4; ++c)
                champ(c)->setText(c == 2 ? u"23"_s : u"59"_s);
            egal->click();
        }
        QVERIFY2(chrono.elapsed() < 20000, qPrintable(QString::number(chrono.elapsed())));
        const QString texte = texteBande();
        QVERIFY(
            texte.startsWith(u"\n 000 J  00:00:00 \n+ 000 J  23:59:59 \n= 000 J  23:59:59 \n\n"));
        QVERIFY(
            texte.endsWith(u"\n\n 4998 J  22:36:41 \n+ 000 J  23:59:59 \n= 4999 J  22:36:40 \n"));
        QCOMPARE(texte.count(u'\n'), 20000);
        QCOMPARE(texte.count(u"\n= "), 5000);
        QCOMPARE(bande(1)->textCursor().position(), texte.size());
    }

    // Reset also leaves number mode. (Number mode end to end under the comma setting, and
    // an overflowing sum told from the button, are the help's examples that tst_aide plays.)
    void resetQuitteLeModeNombre() {
        taper(4, u"5"_s);
        cliquer(u"com_oper", 3);
        QVERIFY(!champ(1)->isVisible());
        cliquer(u"com_clear", 2);
        QCOMPARE(champs(), QStringList({u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
        QVERIFY(champ(1)->isVisible());
        QCOMPARE(texteBande(), QString());
        QCOMPARE(QApplication::focusWidget(), champ(1));
    }

    // A divisor typed with a point, which becomes the desktop's comma, and rounded to 0.
    void divisionParZero() {
        taper(2, u"1"_s);
        cliquer(u"com_oper", 4);
        QTest::keyClicks(champ(4), u"0.4"_s);
        QCOMPARE(champ(4)->text(), u"0,4"_s);
        test::repondreAuProchainModal(u"Ok"_s);
        cliquer(u"com_oper", 5);

        const auto* texte = UserMsgBox::instance().findChild<QLabel*>(u"libelles"_s);
        QCOMPARE(texte->text(), u"Division par Zéro."_s);
        // The division stays pending and the tape holds only the first operand.
        QCOMPARE(label(u"lib_oper"_s)->text(), u"/"_s);
        QCOMPARE(texteBande(), u"\n 000 J  01:00:00 "_s);
        // The window gets it back as it comes to the front again.
        QCOMPARE(m_fenetre->focusWidget(), champ(4));
    }

    // Going to another window (as a modal box does) is not leaving the field.
    void pasDeReportQuandLaFenetrePerdLaMain() {
        taper(4, u"90"_s);
        QWidget autre;
        autre.show();
        QApplication::setActiveWindow(&autre);
        QVERIFY(QTest::qWaitForWindowActive(&autre));
        QCOMPARE(champ(4)->text(), u"90"_s);
        autre.hide();
        QApplication::setActiveWindow(m_fenetre.get());
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
        QTest::mouseClick(champ(1), Qt::LeftButton);
        QCOMPARE(champs(), QStringList({u"0"_s, u"0"_s, u"1"_s, u"30"_s}));
    }

    void zeroRemplaceParLaFrappe() {
        // After an operator the days field holds "0" and has the focus: typing replaces it,
        // as it does in a field reached with the mouse.
        cliquer(u"com_oper", 1);
        QTest::keyClicks(champ(1), u"5"_s);
        QTest::mouseClick(champ(3), Qt::LeftButton);
        QTest::keyClicks(champ(3), u"7"_s);
        QCOMPARE(QStringList({champ(1)->text(), champ(3)->text()}), QStringList({u"5"_s, u"7"_s}));
    }

    void entreeFaitLeTour() {
        for (int i : {2, 3, 4, 1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), champ(i));
        }
        // In number mode the next field is hidden: the focus stays on the number.
        cliquer(u"com_oper", 3);
        QTest::keyClick(champ(4), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), champ(4));
    }

    // Reset of the date frame: the fields and the result emptied (the history is
    // tst_seance's annulerDates), the unit back to Mois without a calculation (the list
    // changes while the window says it is loading).
    void resetDesDates() {
        QTest::keyClick(m_fenetre.get(), Qt::Key_F3);
        auto* liste = m_fenetre->findChild<QListWidget*>(u"list_increment"_s);
        const QStringList noms = {nomIndexe(u"sais_date", 1), u"sais_increment"_s,
                                  nomIndexe(u"sais_date", 2)};
        for (const QString& n : noms)
            m_fenetre->findChild<QLineEdit*>(n)->setText(u"1"_s);
        label(u"lib_calcul"_s)->setText(u"29/02/2024"_s);
        {
            const QSignalBlocker silence(liste);
            liste->setCurrentRow(0);
        }
        QList<bool> chargementAuChangement;
        connect(liste, &QListWidget::currentRowChanged, this,
                [&] { chargementAuChangement << m_fenetre->enChargement(); });

        cliquer(u"com_clear", 3);
        for (const QString& n : noms)
            QVERIFY(m_fenetre->findChild<QLineEdit*>(n)->text().isEmpty());
        QCOMPARE(liste->currentRow(), 3);
        QVERIFY(label(u"lib_calcul"_s)->text().isEmpty());
        QCOMPARE(QApplication::focusWidget()->objectName(), nomIndexe(u"sais_date", 1));
        QCOMPARE(chargementAuChangement, QList<bool>{true});
        QVERIFY(!m_fenetre->enChargement());
    }
};

QTEST_MAIN(TestGestionTemps)
#include "tst_gestiontemps.moc"
