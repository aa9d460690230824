// SPDX-License-Identifier: GPL-3.0-or-later
// The help: each topic opens its page, F1 opens the page of the window it is typed in (modal
// windows included, and the help then stays usable).
#include "faux.h"
#include "lignes.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/help/afficheraide.h"
#include "windows/help/fenetreaide.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"

#include <QApplication>
#include <QLineEdit>
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

} // namespace

class TestAide : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;
    std::unique_ptr<FenetrePrincipale> m_fenetre;

private slots:
    void initTestCase() {
        m_faux = test::installerFaux();
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

    void toucheF1DansLaFenetrePrincipale() {
        aide().close();
        m_fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
        QTest::keyClick(m_fenetre.get(), Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QVERIFY(aide().isVisible());
        QCOMPARE(aide().windowModality(), Qt::NonModal);
        QCOMPARE(titreAffiche(), QStringLiteral("Calculatrice de Temps"));

        m_fenetre->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
        QTest::keyClick(m_fenetre.get(), Qt::Key_F3);
        // F1 leaves a half-typed date alone: the date filter runs on every other key release.
        libcalc().opt_saisdate = 1;
        auto* depart = m_fenetre->findChild<QLineEdit*>(QStringLiteral("sais_date(1)"));
        depart->setText(QStringLiteral("12"));
        QTest::keyClick(depart, Qt::Key_F1);
        QCOMPARE(depart->text(), QStringLiteral("12"));
        QCOMPARE(titreAffiche(), QStringLiteral("Calculatrice de Dates"));
        depart->clear();
    }

    // F1 in a modal window opens its page in front of it, usable until it is closed; the
    // help is free again afterwards.
    void toucheF1DansUneFenetreModale_data() {
        test::colonnes<QString, QString>({"fenetre", "titre"});
        ligne("le calendrier", "calend", "Calendrier");
        ligne("les options", "confopt", "Options");
    }
    void toucheF1DansUneFenetreModale() {
        QFETCH(QString, fenetre);
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
        if (fenetre == u"calend") {
            libcalc().param_msg[1] = QStringLiteral("15/03/2025");
            libcalc().param_msg[2] = QStringLiteral("25");
            libcalc().param_msg[3].clear();
            FenetreCalendrier::instance().executer();
        } else {
            ConfOpt::instance().executer();
        }
        QTEST(montre, "titre");
        QVERIFY(auDessus);
        QVERIFY(fermee);

        QVERIFY(afficheraide(0));
        QCOMPARE(aide().windowModality(), Qt::NonModal);
    }

    void echec() {
        QVERIFY(!afficherPageAide(QStringLiteral("absente.html")));
        QCOMPARE(m_faux.boite->messages.size(), 1);
        QCOMPARE(m_faux.boite->messages.first().texte,
                 QStringLiteral("Erreur Système N° 53\r\nFichier introuvable\r\n\r\n"
                                "Impossible de consulter l'Aide ..."));
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
