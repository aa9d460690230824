// SPDX-License-Identifier: GPL-3.0-or-later
// The help: each topic opens its page, F1 opens the page of the window it is typed in (modal
// windows included, and the help then stays usable). Every example the pages mark with a
// data-essai attribute is replayed, on the real fields or on the time calculator.
#include "core/calculexpression.h"
#include "faux.h"
#include "lignes.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/calendar/echangecalendrier.h"
#include "windows/help/afficheraide.h"
#include "windows/help/fenetreaide.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/msgbox/usermsgbox.h"
#include "windows/options/confopt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

using namespace orvaline;
using test::ligne;

namespace {
FenetreAide& aide() {
    return FenetreAide::instance();
}
QString titreAffiche() {
    return aide().navigateur()->documentTitle();
}

// The text a reader sees in a piece of a page: tags dropped, entities and blanks as shown.
QString texteVu(QString html) {
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    html.replace(QStringLiteral("&minus;"), QStringLiteral("-"));
    return html.simplified();
}

// Dates of the key table that follow today: "JJ/MM/AAAA" today, "DJ" the last day of its month.
QString dateDuJour(QString texte) {
    const QDate jour = QDate::currentDate();
    texte.replace(QStringLiteral("JJ"), jour.toString(QStringLiteral("dd")));
    texte.replace(QStringLiteral("DJ"), QString::number(jour.daysInMonth()));
    texte.replace(QStringLiteral("MM/AAAA"), jour.toString(QStringLiteral("MM/yyyy")));
    return texte;
}

} // namespace

class TestAide : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;
    std::unique_ptr<FenetrePrincipale> m_fenetre;

    template <typename T> T* ctl(const QString& nom) {
        return test::enfant<T>(m_fenetre.get(), nom);
    }
    void cliquer(const QString& nom) { test::cliquer(m_fenetre.get(), nom); }
    // The error report's message holds `texte`.
    void rapportDit(const QString& texte) {
        QVERIFY(!m_faux.boite->messages.isEmpty());
        QVERIFY2(m_faux.boite->messages.last().texte.contains(texte),
                 qPrintable(m_faux.boite->messages.last().texte));
    }

private slots:
    void initTestCase() {
        m_faux = test::installerFaux();
        // The pages are written for French settings: the comma is the decimal symbol.
        m_faux.regionaux->decimal = QStringLiteral(",");
        m_faux.regionaux->milliers = QStringLiteral(".");
        initialisation();
        libcalc().chemin_appli = m_dossier.path();
        m_fenetre = std::make_unique<FenetrePrincipale>();
        m_fenetre->charger();
        m_fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
    }
    void cleanupTestCase() {
        aide().close();
        m_fenetre.reset();
    }
    void init() { m_faux.boite->messages.clear(); }

    // F1 opens the page of the window it is typed in, leaving a half-typed field alone (the
    // field filters run on every other key release). In a modal window the help comes in front
    // of it, usable until it is closed; the help is free again afterwards.
    void toucheF1_data() {
        test::colonnes<QString, QString>({"fenetre", "titre"});
        ligne("la calculatrice de temps", "", "Calculatrice de Temps");
        ligne("la calculatrice de dates", "", "Calculatrice de Dates");
        ligne("le calendrier", "calend", "Calendrier");
        ligne("les options", "confopt", "Options");
    }
    void toucheF1() {
        QFETCH(QString, fenetre);
        QFETCH(QString, titre);
        if (fenetre.isEmpty()) {
            aide().close();
            m_fenetre->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
            test::regler(&Options::saisdate, true);
            QTest::keyClick(m_fenetre.get(), titre.endsWith(u"Temps") ? Qt::Key_F2 : Qt::Key_F3);
            auto* champ = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(champ);
            champ->setText(QStringLiteral("12"));
            QTest::keyClick(champ, Qt::Key_F1);
            QCOMPARE(champ->text(), QStringLiteral("12"));
            champ->clear();
            QVERIFY(aide().isVisible());
            QCOMPARE(aide().windowModality(), Qt::NonModal);
            QCOMPARE(titreAffiche(), titre);
            return;
        }
        QString montre;
        bool auDessus = false;
        bool fermee = false;
        test::quandModal(fenetre, [&](QWidget* modal) {
            QWidget* cible = modal->focusWidget() ? modal->focusWidget() : modal;
            QTest::keyClick(cible, Qt::Key_F1);
            montre = titreAffiche();
            auDessus = QApplication::activeModalWidget() == &aide();
            // The help takes the keys: Esc closes it and leaves the modal window open.
            QTest::keyClick(aide().navigateur(), Qt::Key_Escape);
            fermee = !aide().isVisible() && modal->isVisible();
            modal->close();
        });
        if (fenetre == u"calend")
            choisirDateCalendrier(QStringLiteral("15/03/2025"), QStringLiteral("25"));
        else
            ConfOpt::instance().executer();
        QCOMPARE(montre, titre);
        QVERIFY(auDessus);
        QVERIFY(fermee);

        QVERIFY(afficherAide(0));
        QCOMPARE(aide().windowModality(), Qt::NonModal);
    }

    // The marked examples: a table row with data-essai, its cells read as shown. "touche": the
    // key data-touche (QKeySequence's names) in the field data-champ turns the text before the
    // arrow into the text after it. "dates": the date calculator given the first three cells
    // shows the next three; with data-boite="erreurs" the message is the error report's.
    // "temps": the steps data-etapes, typed and clicked on the time calculator, print the
    // last cell as the tape's last line, or with data-erreur report that error.
    // "copie": Ctrl+A then Ctrl+C copy the whole field.
    // "ajout" and "ecart": an exact difference added or counted (see below).
    // "terminal": the command line's expression in the first cell gives the second.
    void exemplesDesPages_data() {
        test::colonnes<QString, QString, QStringList>({"essai", "champ", "valeurs"});
        const QRegularExpression ligneMarquee(
            QStringLiteral("<tr data-essai=\"(\\w+)\"([^>]*)>(.*?)</tr>"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression attribut(QStringLiteral("data-(\\w+)=\"([^\"]*)\""));
        const QRegularExpression cellule(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
        int lignes = 0;
        for (const QString& page :
             QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")})) {
            QFile f(QStringLiteral(":/help/") + page);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(f.readAll());
            for (const auto& m : ligneMarquee.globalMatch(html)) {
                QMap<QString, QString> attributs;
                for (const auto& a : attribut.globalMatch(m.captured(2)))
                    attributs[a.captured(1)] = a.captured(2);
                QStringList cellules;
                for (const auto& c : cellule.globalMatch(m.captured(3)))
                    cellules << texteVu(c.captured(1));
                QStringList valeurs;
                const QString essai = m.captured(1);
                if (essai == u"touche")
                    valeurs << attributs[QStringLiteral("touche")]
                            << cellules.last().split(QStringLiteral(" → "));
                else if (essai == u"temps")
                    valeurs << attributs[QStringLiteral("etapes")] << cellules.last()
                            << attributs.value(QStringLiteral("erreur"));
                else if (essai == u"dates")
                    valeurs = cellules + QStringList{attributs.value(QStringLiteral("boite"))};
                else
                    valeurs = cellules;
                const QString nom = page + u' ' + essai + u' ' + QString::number(++lignes) + u' ' +
                                    cellules.join(u' ');
                QTest::newRow(qPrintable(nom))
                    << essai << attributs.value(QStringLiteral("champ")) << valeurs;
            }
        }
        QVERIFY(lignes > 0);
    }
    void exemplesDesPages() {
        QFETCH(QString, essai);
        QFETCH(QString, champ);
        QFETCH(QStringList, valeurs);
        if (essai == u"terminal") {
            const ReponseCalcul r =
                calculerExpression(valeurs[0], {QDate::currentDate(), false, false});
            QCOMPARE(r.texte.value_or(r.erreur).simplified(), valeurs[1]);
            return;
        }
        m_fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
        const bool temps = essai == u"temps" || champ.startsWith(u"sais_time");
        QTest::keyClick(m_fenetre.get(), temps ? Qt::Key_F2 : Qt::Key_F3);
        if (essai == u"temps") {
            cliquer(QStringLiteral("com_clear(2)")); // Reset
            for (const QString& etape : valeurs[0].split(u' ')) {
                if (etape.size() >= 2 && etape.at(1) == u'=')
                    test::retaper(m_fenetre.get(), QStringLiteral("sais_time(%1)").arg(etape.at(0)),
                                  etape.mid(2));
                else
                    cliquer(QStringLiteral("com_oper(%1)")
                                .arg(QStringLiteral("+-x/=").indexOf(etape) + 1));
            }
            if (!valeurs[2].isEmpty()) return rapportDit(valeurs[2]);
            const QString bande =
                ctl<QPlainTextEdit>(QStringLiteral("sais_histo(1)"))->toPlainText();
            QCOMPARE(bande.trimmed().split(u'\n').last().simplified(), valeurs[1]);
        } else if (essai == u"copie") {
            auto* texte = ctl<QPlainTextEdit>(champ);
            texte->setPlainText(QStringLiteral("\n DD : 25/03/2024\n Inc: 90 J"));
            QApplication::clipboard()->clear();
            texte->setFocus();
            QTest::keyClick(texte, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(texte, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text(), texte->toPlainText());
            texte->clear();
        } else if (essai == u"touche") {
            QCOMPARE(valeurs.size(), 3);
            auto* ligne = ctl<QLineEdit>(champ);
            ligne->setFocus();
            ligne->setText(valeurs[1]);
            const QKeyCombination touche = QKeySequence::fromString(valeurs[0])[0];
            QVERIFY(touche.key() != Qt::Key_unknown);
            QTest::keyClick(ligne, touche.key(), touche.keyboardModifiers());
            QCOMPARE(ligne->text(), dateDuJour(valeurs[2]));
            ligne->clear();
        } else {
            // "ajout": Départ, the increment typed once the unit is picked, the unit, the end
            // date. "ecart": Départ, the end date, the unit, the result shown. "dates": Départ,
            // Incrément, Unité; then the start field, the end field, the message and where it
            // goes.
            const bool ajout = essai == u"ajout", ecart = essai == u"ecart";
            QCOMPARE(valeurs.size(), ajout || ecart ? 4 : 7);
            auto* increment = ctl<QLineEdit>(QStringLiteral("sais_increment"));
            auto* fin = ctl<QLineEdit>(QStringLiteral("sais_date(2)"));
            ctl<QLineEdit>(QStringLiteral("sais_date(1)"))->setText(valeurs[0]);
            increment->setText(ajout || ecart ? QString() : valeurs[1]);
            fin->setText(ecart ? valeurs[1] : QString());
            auto* unites = ctl<QListWidget>(QStringLiteral("list_increment"));
            {
                const QSignalBlocker silence(unites);
                unites->setCurrentItem(unites->findItems(valeurs[2], Qt::MatchExactly).value(0));
            }
            QVERIFY(unites->currentItem());
            if (ajout) {
                increment->setFocus();
                QTest::keyClicks(increment, valeurs[1]);
            }
            auto* message = UserMsgBox::instance().findChild<QLabel*>(QStringLiteral("libelles"));
            message->clear();
            const bool rapport = valeurs.value(6) == u"erreurs";
            if (!ajout && !ecart && !valeurs[5].isEmpty() && !rapport)
                test::repondreAuProchainModal(QStringLiteral("Ok"));
            cliquer(QStringLiteral("com_date"));
            // A total in brackets is the history's, not the result's.
            const QString attendu = valeurs[3].section(QStringLiteral(" ("), 0, 0);
            if (ajout) {
                QCOMPARE(fin->text(), attendu);
            } else if (ecart) {
                QCOMPARE(
                    ctl<QLabel>(QStringLiteral("lib_calcul"))->text().replace(QChar(0x2212), u'-'),
                    attendu);
            } else {
                QCOMPARE(ctl<QLineEdit>(QStringLiteral("sais_date(1)"))->text(), valeurs[3]);
                QCOMPARE(fin->text(), valeurs[4]);
                if (rapport) return rapportDit(valeurs[5]);
                QCOMPARE(message->text().trimmed(), valeurs[5]);
            }
            increment->clear();
            fin->clear();
        }
    }

    void echec() {
        QVERIFY(!afficherPageAide(QStringLiteral("absente.html")));
        QCOMPARE(m_faux.boite->messages.size(), 1);
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
