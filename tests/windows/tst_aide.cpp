// SPDX-License-Identifier: GPL-3.0-or-later
// The help: each topic opens its page, F1 opens the page of the window it is typed in (modal
// windows included, and the help then stays usable), the pages link only to pages that exist.
#include "faux.h"
#include "shared/libcalc.h"
#include "windows/aide/afficheraide.h"
#include "windows/aide/fenetreaide.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <functional>
#include <memory>

using namespace orvaline;

namespace {
FenetreAide& aide() {
    return FenetreAide::instance();
}
QString titreAffiche() {
    return aide().navigateur()->documentTitle();
}

// Runs an action once the named window is the modal one, as a user would answer it.
void dansLeModal(const QString& nom, std::function<void(QWidget*)> action) {
    auto* minuteur = new QTimer(qApp);
    minuteur->setInterval(10);
    QObject::connect(minuteur, &QTimer::timeout, minuteur, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != nom || !modal->isVisible()) return;
        minuteur->stop();
        minuteur->deleteLater();
        action(modal);
    });
    minuteur->start();
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

    void sujets_data() {
        QTest::addColumn<int>("sujet");
        QTest::addColumn<QString>("titre");
        QTest::newRow("0: le sommaire") << 0 << "Sommaire";
        QTest::newRow("11: les options") << 11 << "Options";
        QTest::newRow("12: la mise à jour") << 12 << "Télécharger la Dernière Version";
        QTest::newRow("102: la calculatrice de dates") << 102 << "Calculatrice de Dates";
        QTest::newRow("103: la calculatrice de temps") << 103 << "Calculatrice de Temps";
        QTest::newRow("502: le calendrier") << 502 << "Calendrier";
        QTest::newRow("516: le contact") << 516 << "Contacter l'Auteur";
        QTest::newRow("un sujet inconnu mène au sommaire") << 7 << "Sommaire";
    }
    void sujets() {
        QFETCH(int, sujet);
        QFETCH(QString, titre);
        QVERIFY(afficheraide(sujet));
        QVERIFY(aide().isVisible());
        QCOMPARE(aide().windowTitle(), QStringLiteral("  Aide d'Orvaline"));
        QCOMPARE(titreAffiche(), titre);
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    // Every link of every page leads to a page of the program; nothing comes from outside.
    void liensDesPages() {
        const QStringList pages =
            QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        QVERIFY(pages.size() >= 7);
        const QRegularExpression lien(QStringLiteral("(href|src)=\"([^\"]*)\""));
        for (const QString& page : pages) {
            QFile f(QStringLiteral(":/help/") + page);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString texte = QString::fromUtf8(f.readAll());
            QVERIFY2(texte.contains(u"<title>"), qPrintable(page));
            for (const auto& m : lien.globalMatch(texte)) {
                const QString cible = m.captured(2);
                QVERIFY2(m.captured(1) == u"href" && !cible.contains(u':'),
                         qPrintable(page + QStringLiteral(" -> ") + cible));
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + cible.section(u'#', 0, 0)),
                         qPrintable(page + QStringLiteral(" -> ") + cible));
            }
        }
    }

    void navigation() {
        QVERIFY(afficheraide(0));
        auto* precedent = aide().findChild<QPushButton*>(QStringLiteral("com_precedent"));
        aide().navigateur()->setSource(QUrl(QStringLiteral("calendrier.html")));
        QCOMPARE(titreAffiche(), QStringLiteral("Calendrier"));
        QVERIFY(precedent->isEnabled());
        precedent->click();
        QCOMPARE(titreAffiche(), QStringLiteral("Sommaire"));
        aide().navigateur()->setSource(QUrl(QStringLiteral("options.html")));
        aide().findChild<QPushButton*>(QStringLiteral("com_sommaire"))->click();
        QCOMPARE(titreAffiche(), QStringLiteral("Sommaire"));
    }

    // What a screen reader hears: every control the keyboard reaches has a name.
    void nomsAccessibles() {
        QVERIFY(afficheraide(0));
        const auto controles = aide().findChildren<QWidget*>();
        for (QWidget* w : controles) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisible() || w->focusProxy()) continue;
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(i && !i->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(w->objectName()));
        }
    }

    void echapFerme() {
        QVERIFY(afficheraide(103));
        QTest::keyClick(aide().navigateur(), Qt::Key_Escape);
        QVERIFY(!aide().isVisible());
    }

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

    void sommaireDuMenu() {
        aide().close();
        auto* sommaire = m_fenetre->findChild<QAction*>(QStringLiteral("menu_aide(1)"));
        QVERIFY(sommaire->isEnabled());
        QCOMPARE(sommaire->text(), QStringLiteral("Sommaire"));
        sommaire->trigger();
        QVERIFY(aide().isVisible());
        QCOMPARE(titreAffiche(), QStringLiteral("Sommaire"));
    }

    // F1 in a modal window opens its page in front of it, usable until it is closed; the
    // help is free again afterwards.
    void toucheF1DansUneFenetreModale_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("titre");
        QTest::newRow("le calendrier") << "calend"
                                       << "Calendrier";
        QTest::newRow("les options") << "confopt"
                                     << "Options";
    }
    void toucheF1DansUneFenetreModale() {
        QFETCH(QString, fenetre);
        QFETCH(QString, titre);
        QString montre;
        bool auDessus = false;
        bool fermee = false;
        dansLeModal(fenetre, [&](QWidget* modal) {
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
        QCOMPARE(montre, titre);
        QVERIFY(auDessus);
        QVERIFY(fermee);

        QVERIFY(afficheraide(0));
        QCOMPARE(aide().windowModality(), Qt::NonModal);
    }

    void echec() {
        QVERIFY(!afficherPageAide(QStringLiteral("absente.html")));
        QCOMPARE(m_faux.boite->messages.size(), 1);
        const auto& m = m_faux.boite->messages.first();
        QCOMPARE(m.icone, BoiteSysteme::Icone::Exclamation);
        QCOMPARE(m.titre, QStringLiteral("Aide"));
        QCOMPARE(m.texte, QStringLiteral("Erreur Système N° 53\r\nFichier introuvable\r\n\r\n"
                                         "Impossible de consulter l'Aide ..."));
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
