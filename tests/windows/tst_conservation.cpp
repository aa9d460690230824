// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the tape and the history from the "Fichier" menu: the items follow the calculator
// shown, saved, printed and copied is the text as shown, and a failure says why and keeps all.
#include "faux.h"
#include "lignes.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/common/noms.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/msgbox/affichermessage.h"
#include "windows/msgbox/echangemessage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace orvaline;
using namespace Qt::StringLiterals;
using test::ligne;

namespace {
// Two additions, the second with a four-digit day count, as the tape shows them: aligned
// on the right edge.
const QString bandeAffichee = u"\n"
                              "   001 J  02:03:04 \n"
                              " + 000 J  01:00:00 \n"
                              " = 001 J  03:03:04 \n"
                              "\n"
                              "  1234 J  00:00:00 \n"
                              " + 000 J  00:00:01 \n"
                              "= 1234 J  00:00:01 \n"_s;
} // namespace

class TestConservation : public QObject {
    Q_OBJECT

    QTemporaryDir m_dossier;
    std::unique_ptr<FenetrePrincipale> m_fenetre;
    test::Faux m_faux{};

    QAction* article(int index) {
        return test::enfant<QAction>(m_fenetre.get(), nomIndexe(u"menu_fich", index));
    }
    QPlainTextEdit* boite(int i) {
        return test::enfant<QPlainTextEdit>(m_fenetre.get(), nomIndexe(u"sais_histo", i));
    }
    static void touche(Qt::Key t, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), t, m);
    }
    // Shows a calculator with F2 or F3 and makes its calculations: on the time calculator,
    // the two additions of bandeAffichee.
    void calculer(Qt::Key calculatrice) {
        FenetrePrincipale* f = m_fenetre.get();
        QTest::keyClick(f, calculatrice);
        if (calculatrice == Qt::Key_F3) {
            test::retaper(f, u"sais_date(1)"_s, u"31/01/2024"_s);
            test::retaper(f, u"sais_increment"_s, u"1"_s);
            test::cliquer(f, u"com_date"_s);
            return;
        }
        int operateur = 1;
        for (const char* duree : {"1 2 3 4", "0 1 0 0", "1234 0 0 0", "0 0 0 1"}) {
            const QStringList t = QString::fromLatin1(duree).split(u' ');
            for (int i = 1; i <= 4; ++i)
                test::retaper(f, nomIndexe(u"sais_time", i), t[i - 1]);
            test::cliquer(f, nomIndexe(u"com_oper", operateur)); // +, then =
            operateur = operateur == 1 ? 5 : 1;
        }
    }
    // Reads the program's own message box when it comes up, then answers it.
    static std::shared_ptr<QString> lireProchainMessage() {
        auto texte = std::make_shared<QString>();
        test::quandModal(u"usermsgbox"_s, [texte](QWidget* boite) {
            *texte = demandeMessage().texte;
            boite->close();
        });
        return texte;
    }
    bool actifs() {
        const bool a = article(6)->isEnabled();
        if (article(7)->isEnabled() != a || article(8)->isEnabled() != a) qFatal("états mêlés");
        return a;
    }

private slots:
    void init() {
        m_faux = test::installerFaux();
        initialisation();
        libcalc().saut_ligne = u"\n"_s;
        libcalc().chemin_appli = m_dossier.path();
        m_fenetre = std::make_unique<FenetrePrincipale>();
        m_fenetre->charger();
        m_fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
        test::regler(&Options::saisdate, false); // full dates are typed
    }
    void cleanup() { m_fenetre.reset(); }

    void grisesPuisActifs_data() {
        test::colonnes<Qt::Key, Qt::Key, QString>({"calculatrice", "autre", "legende"});
        ligne("time calculator", Qt::Key_F2, Qt::Key_F3, "Enregistrer la bande...");
        ligne("date calculator", Qt::Key_F3, Qt::Key_F2, "Enregistrer l'historique...");
    }
    void grisesPuisActifs() {
        QFETCH(Qt::Key, calculatrice);
        QFETCH(Qt::Key, autre);
        QTest::keyClick(m_fenetre.get(), calculatrice);
        QVERIFY(!actifs());
        QTEST(article(6)->text(), "legende");
        calculer(calculatrice);
        QVERIFY(actifs());
        // The other calculator's box is still empty: the items act on the one shown.
        QTest::keyClick(m_fenetre.get(), autre);
        QVERIFY(!actifs());
        // A greyed shortcut does nothing either.
        touche(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(m_faux.dialogue->enregistrements.isEmpty());
        QTest::keyClick(m_fenetre.get(), calculatrice);
        QVERIFY(actifs());
        // A save cancelled in the file dialog says nothing.
        touche(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_faux.dialogue->enregistrements.size(), 1);
        QVERIFY(m_faux.boite->messages.isEmpty());
    }

    // "Quitter" stays last, after its separator: the new items come before them.
    void quitterResteDernier() {
        const auto articles = test::enfant<QMenu>(m_fenetre.get(), u"menu_fichier"_s)->actions();
        QCOMPARE(articles.last(), article(4));
        QVERIFY(articles.at(articles.size() - 2)->isSeparator());
    }

    void enregistrer_data() {
        test::colonnes<Qt::Key, QString, QString, QString, QString>(
            {"calculatrice", "fichier", "titre", "nomPropose", "corps"});
        ligne("the tape, right-aligned", Qt::Key_F2, "Bande du mois de février.txt",
              "Orvaline - Calculatrice de Temps, bande du ", "Orvaline-bande-", bandeAffichee);
        ligne("the history", Qt::Key_F3, "historique été.txt",
              "Orvaline - Calculatrice de Dates, historique du ", "Orvaline-historique-",
              "\n DD : 31/01/2024\n Inc: 1 Mois\n DF : 29/02/2024\n");
    }
    void enregistrer() {
        QFETCH(Qt::Key, calculatrice);
        QFETCH(QString, fichier);
        QFETCH(QString, titre);
        QFETCH(QString, corps);
        calculer(calculatrice);
        const QString avant = boite(calculatrice == Qt::Key_F2 ? 1 : 2)->toPlainText();
        QTemporaryDir dossier;
        m_faux.dialogue->choix = dossier.filePath(fichier);
        touche(Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(m_faux.dialogue->enregistrements.size(), 1);
        QFETCH(QString, nomPropose);
        QCOMPARE(m_faux.dialogue->enregistrements[0].fichier,
                 nomPropose + QDate::currentDate().toString(Qt::ISODate) + u".txt"_s);
        QFile f(dossier.filePath(fichier));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        const qsizetype fin = octets.indexOf('\n');
        const QString entete = QString::fromUtf8(octets.first(fin));
        const QRegularExpression forme(
            QRegularExpression::escape(titre + QDate::currentDate().toString(u"dd/MM/yyyy"_s)) +
            u" à \\d\\d:\\d\\d:\\d\\d$"_s);
        QVERIFY2(forme.match(entete).hasMatch(), qPrintable(entete));
        QCOMPARE(octets.sliced(fin + 1), corps.toUtf8());
        // Nothing is left beside it: the temporary copy was renamed into place.
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{fichier});
        QVERIFY(m_faux.boite->messages.isEmpty());
        QCOMPARE(boite(calculatrice == Qt::Key_F2 ? 1 : 2)->toPlainText(), avant);
        // Printed and copied as saved.
        touche(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_faux.imprimante->travaux.size(), 1);
        QVERIFY(m_faux.imprimante->travaux[0].titre.startsWith(titre));
        QCOMPARE(m_faux.imprimante->travaux[0].texte, corps);
        touche(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), corps);
    }

    // The PDF file proposed to the print dialog when there is no Documents folder: the home
    // folder. (Documents itself is tst_impression's parLeDialogue.)
    void pdfSansDocuments() {
        QTemporaryDir maison;
        const QByteArray maisonAvant = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(maison.path()));
        calculer(Qt::Key_F3);
        touche(Qt::Key_P, Qt::ControlModifier);
        qputenv("HOME", maisonAvant);
        QCOMPARE(m_faux.imprimante->travaux.size(), 1);
        QCOMPARE(m_faux.imprimante->travaux[0].fichierPdf,
                 QDir(maison.path())
                     .filePath(u"Orvaline-historique-"_s +
                               QDate::currentDate().toString(Qt::ISODate) + u".pdf"_s));
    }

    // A failed save or print is told, with its reason and the file's path, and keeps all.
    void echecDit_data() {
        test::colonnes<Qt::Key, QString, QString, QStringList>(
            {"raccourci", "fichier", "raison", "attendus"});
        ligne("save into a missing folder", Qt::Key_S, "pas là/bande.txt", "",
              QStringList{u"pas là/bande.txt"_s, u"n'existe pas"_s});
        ligne("print: the module cannot load", Qt::Key_P, "",
              "liborvaline_impression.so introuvable",
              QStringList{u"Impossible d'imprimer."_s, u"liborvaline_impression.so introuvable"_s});
        ligne("print: the PDF file's folder went away", Qt::Key_P, "parti/bande.pdf", "",
              QStringList{u"parti/bande.pdf"_s, u"dossier n'existe pas"_s});
    }
    void echecDit() {
        QFETCH(Qt::Key, raccourci);
        QFETCH(QString, fichier);
        QFETCH(QString, raison);
        QFETCH(QStringList, attendus);
        calculer(Qt::Key_F2);
        const QString avant = boite(1)->toPlainText();
        const QString chemin = fichier.isEmpty() ? QString() : m_dossier.filePath(fichier);
        m_faux.dialogue->choix = chemin;
        m_faux.imprimante->resultat = {IssueImpression::Echouee, chemin, false, raison};
        const auto lu = lireProchainMessage();
        touche(raccourci, Qt::ControlModifier);
        for (const QString& attendu : attendus)
            QVERIFY2(lu->contains(attendu), qPrintable(*lu));
        QCOMPARE(boite(1)->toPlainText(), avant);
        QVERIFY(actifs());
    }
};

QTEST_MAIN(TestConservation)
#include "tst_conservation.moc"
