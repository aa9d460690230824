// SPDX-License-Identifier: GPL-3.0-or-later
// The help: each topic opens its page, F1 opens the page of the window it is typed in (modal
// windows included, and the help then stays usable), the pages link only to pages that exist,
// and what they quote and show is what the program writes.
#include "core/calculatricetemps.h"
#include "core/calculdates.h"
#include "core/unitesdate.h"
#include "faux.h"
#include "lignes.h"
#include "shared/libcalc.h"
#include "windows/about/pelandor.h"
#include "windows/help/afficheraide.h"
#include "windows/help/fenetreaide.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"
#include "windows/update/telemaj.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
using test::ligne;

namespace {
FenetreAide& aide() {
    return FenetreAide::instance();
}
QString titreAffiche() {
    return aide().navigateur()->documentTitle();
}

QString lirePage(const QString& page) {
    QFile f(QStringLiteral(":/help/") + page);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList pages() {
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
}

// A caption as a page quotes it: no mnemonic, no colon after a label, either apostrophe.
QString normaliser(QString texte) {
    texte.remove(u'&');
    texte.replace(u'’', u'\'');
    texte = texte.simplified();
    if (texte.endsWith(u':')) texte = texte.chopped(1).trimmed();
    return texte;
}

void textesDe(QWidget* fenetre, QSet<QString>& textes) {
    auto ajouter = [&textes](const QString& t) { textes.insert(normaliser(t)); };
    auto controles = fenetre->findChildren<QWidget*>();
    controles << fenetre;
    for (QWidget* c : controles) {
        ajouter(c->windowTitle());
        ajouter(c->toolTip());
        if (auto* l = qobject_cast<QLabel*>(c)) ajouter(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(c)) ajouter(b->text());
        if (auto* g = qobject_cast<QGroupBox*>(c)) ajouter(g->title());
        if (auto* l = qobject_cast<QListWidget*>(c))
            for (int i = 0; i < l->count(); ++i)
                ajouter(l->item(i)->text());
    }
    for (QAction* a : fenetre->findChildren<QAction*>())
        ajouter(a->text());
}

// Replays a tape figure of a page on the calculator: each operand line is typed, each operator
// pressed, then "=". The tape comes back as the box shows it, aligned on the right.
QStringList bandeRejouee(const QStringList& figure) {
    static const QRegularExpression duree(
        QStringLiteral("^([+=-]?) *(\\d+) J  (\\d+):(\\d+):(\\d+)$"));
    static const QRegularExpression nombre(QStringLiteral("^([x/]) +(\\S+)$"));
    const QString operateurs = QStringLiteral("+-x/");
    CalculatriceTemps calc;
    for (const QString& ligne : figure) {
        const auto n = nombre.match(ligne.trimmed());
        const auto d = duree.match(ligne.trimmed());
        const QString oper = n.hasMatch() ? n.captured(1) : d.captured(1);
        if ((!n.hasMatch() && !d.hasMatch()) || oper == u"=") continue;
        if (!oper.isEmpty()) calc.com_oper(int(operateurs.indexOf(oper)) + 1, u',');
        for (int i = n.hasMatch() ? 4 : 1; i <= 4; ++i)
            calc.saisir(i, n.hasMatch() ? n.captured(2) : d.captured(i + 1));
        if (!oper.isEmpty()) calc.com_oper(5, u',');
    }
    QStringList lignes = calc.sais_histo().split(u'\n');
    while (!lignes.isEmpty() && lignes.first().isEmpty())
        lignes.removeFirst();
    while (!lignes.isEmpty() && lignes.last().isEmpty())
        lignes.removeLast();
    qsizetype largeur = 0;
    for (QString& l : lignes)
        largeur = qMax(largeur, (l = l.endsWith(u' ') ? l.chopped(1) : l).size());
    for (QString& l : lignes)
        if (!l.isEmpty()) l = l.rightJustified(largeur);
    return lignes;
}

int ligneUnite(const QString& texte) {
    for (int i = 0; i < int(tableUnites().size()); ++i)
        if (tableUnites()[std::size_t(i)].texteLigne == texte) return i;
    return -1;
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
        ligne("0: le sommaire", 0, "Sommaire");
        ligne("un sujet inconnu mène au sommaire", 7, "Sommaire");
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
        QVERIFY(pages().size() >= 7);
        const QRegularExpression lien(QStringLiteral("(href|src)=\"([^\"]*)\""));
        for (const QString& page : pages()) {
            const QString texte = lirePage(page);
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

    // Every caption a page quotes between « » is a text of the windows (captions, titles,
    // bubbles, menus, list rows, in both modes of the time calculator) or a message the
    // calculators give.
    void citationsDesPages() {
        QSet<QString> textes;
        auto* multiplier = m_fenetre->findChild<QPushButton*>(QStringLiteral("com_oper(3)"));
        textesDe(m_fenetre.get(), textes);
        multiplier->click();
        textesDe(m_fenetre.get(), textes);
        m_fenetre->findChild<QPushButton*>(QStringLiteral("com_clear(2)"))->click();
        libcalc().param_msg[1] = QStringLiteral("1");
        Pelandor::instance().charger();
        for (QWidget* w :
             std::initializer_list<QWidget*>{&ConfOpt::instance(), &FenetreCalendrier::instance(),
                                             &Pelandor::instance(), &TeleMaj::instance(), &aide()})
            textesDe(w, textes);
        // The date calculator's four refusals: no date, a wrong date, no increment, a wrong end.
        const QString jour = QStringLiteral("01/01/2024");
        for (const auto& [depart, fin] : std::initializer_list<std::pair<QString, QString>>{
                 {{}, {}}, {QStringLiteral("x"), {}}, {jour, {}}, {jour, QStringLiteral("x")}})
            textes.insert(normaliser(calculdates({depart, {}, fin, 3}).message));
        CalculatriceTemps division, somme;
        division.com_oper(4, u',');
        textes.insert(normaliser(division.com_oper(5, u',').avis.value_or(Avis{}).texte));
        somme.saisir(1, QStringLiteral("20000"));
        somme.com_oper(1, u',');
        somme.saisir(1, QStringLiteral("20000"));
        textes.insert(somme.com_oper(5, u',').erreur.value_or(Erreur{}).description);

        const QRegularExpression citation(QStringLiteral("«\\s*([^»]*?)\\s*»"));
        for (const QString& page : pages()) {
            QTextDocument document;
            document.setHtml(lirePage(page));
            for (const auto& m : citation.globalMatch(document.toPlainText()))
                QVERIFY2(textes.contains(normaliser(m.captured(1))),
                         qPrintable(page + QStringLiteral(": « ") + m.captured(1) + u'»'));
        }
    }

    // Every tape figure is the tape the calculator prints for the same calculation, and
    // every worked example of the date calculator gives the result it shows.
    void exemplesDesPages() {
        const QRegularExpression figure(QStringLiteral("<pre class=\"bande\">\n(.*?)\n?</pre>"),
                                        QRegularExpression::DotMatchesEverythingOption);
        int figures = 0;
        for (const QString& page : pages())
            for (const auto& m : figure.globalMatch(lirePage(page))) {
                const QStringList lignes = m.captured(1).split(u'\n');
                QCOMPARE(lignes, bandeRejouee(lignes));
                ++figures;
            }
        QVERIFY(figures >= 1);

        const QString dates = lirePage(QStringLiteral("calculatricedates.html"));
        const QString exemples = dates.section(QStringLiteral("id=\"exemples\""), 1)
                                     .section(QStringLiteral("<h2"), 0, 0);
        const QRegularExpression ligne(QStringLiteral(
            "<tr><td>([^<(]*)[^<]*</td><td>([^<(]*)[^<]*</td><td>([^<]*)</td><td>([^<]*)</td>"));
        int lignes = 0;
        for (const auto& m : ligne.globalMatch(exemples)) {
            const QString deux = m.captured(2).trimmed();
            const bool intervalle = deux.contains(u'/');
            const EntreeCalculDates entree{m.captured(1).trimmed(), intervalle ? QString() : deux,
                                           intervalle ? deux : QString(),
                                           ligneUnite(m.captured(3))};
            QCOMPARE(calculdates(entree).calcul.value_or(QString()), m.captured(4));
            ++lignes;
        }
        QVERIFY(lignes >= 10);
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
        ligne("le calendrier", "calend", "Calendrier");
        ligne("les options", "confopt", "Options");
    }
    void toucheF1DansUneFenetreModale() {
        QFETCH(QString, fenetre);
        QFETCH(QString, titre);
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
