// SPDX-License-Identifier: GPL-3.0-or-later
// The About and contact window: the card asked for, the links in the browser, the address on
// the clipboard.
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "shared/fabricant.h"
#include "shared/libcalc.h"
#include "windows/about/pelandor.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;
using test::ligne;

namespace {
// Keeps the title and text of the next message box, then answers it.
void lireProchainMessage(QString* titre, QString* texte) {
    test::quandModal(QStringLiteral("usermsgbox"), [=](QWidget* w) {
        *titre = w->windowTitle();
        *texte = w->findChild<QLabel*>(QStringLiteral("libelles"))->text();
        test::repondreAuProchainModal(QStringLiteral("Ok"));
    });
}
} // namespace

class TestPelandor : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;

    Pelandor& fenetre() { return Pelandor::instance(); }
    template <typename T> T* controle(const QString& nom) {
        T* c = fenetre().findChild<T*>(nom);
        if (!c) qFatal("contrôle absent");
        return c;
    }
    QString navigateur() const { return m_dossier.filePath(QStringLiteral("navigateur")); }
    void ouvrir(const QString& carte) {
        libcalc().param_msg[1] = carte;
        fenetre().charger();
        fenetre().show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre()));
    }

private slots:
    void init() {
        m_faux = test::installerFaux();
        QVERIFY(test::preparerNavigateur(m_dossier.path(), navigateur()));
    }
    void cleanup() { fenetre().hide(); }

    void carte_data() {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<int>("carte");
        ligne("vide", QString(), 1);
        ligne("1.5 arrondi à 2", QStringLiteral("1.5"), 2);
        ligne("trop grand pour 16 bits", QStringLiteral("99999"), 2);
        ligne("date laissée par le calendrier", QStringLiteral("25/12/2024"), 2);
    }
    void carte() {
        QFETCH(QString, entree);
        QFETCH(int, carte);
        ouvrir(entree);
        QCOMPARE(controle<QFrame>(QStringLiteral("img_adresse(1)"))->isVisible(), carte == 1);
        QCOMPARE(controle<QFrame>(QStringLiteral("img_adresse(2)"))->isVisible(), carte == 2);
        QCOMPARE(controle<QLabel>(QStringLiteral("libelles(0)"))->isVisible(), carte == 1);
        QCOMPARE(fenetre().windowTitle(), carte == 1 ? QStringLiteral("Contacter Pelandor  ")
                                                     : QStringLiteral("Forum et FAQ  "));
    }

    void lien_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<bool>("connecte");
        QTest::addColumn<BoiteSysteme::Reponse>("choix");
        QTest::addColumn<QString>("adresse"); // empty: nothing started
        QTest::addColumn<int>("questions");
        using R = BoiteSysteme::Reponse;
        ligne("courriel sans connexion ni question", QStringLiteral("lib_email(1)"), false,
              R::Annuler, QStringLiteral("mailto:") + fabricant::courriel.toString(), 0);
        ligne("site, connecté", QStringLiteral("lib_email(2)"), true, R::Annuler,
              fabricant::site.toString(), 1);
        ligne("icône du site, connecté", QStringLiteral("icones(2)"), true, R::Annuler,
              fabricant::site.toString(), 1);
        ligne("forum hors ligne, Ok continue", QStringLiteral("lib_email(3)"), false, R::Ok,
              fabricant::site.toString() + QStringLiteral("/Forum/Forum.htm"), 3);
        ligne("FAQ hors ligne, Annuler arrête", QStringLiteral("lib_email(4)"), false, R::Annuler,
              QString(), 3);
        ligne("FAQ, connecté", QStringLiteral("icones(4)"), true, R::Annuler,
              fabricant::site.toString() + QStringLiteral("/Comptes/FAQ.htm"), 1);
    }
    void lien() {
        QFETCH(QString, controle);
        QFETCH(bool, connecte);
        QFETCH(BoiteSysteme::Reponse, choix);
        QFETCH(QString, adresse);
        QFETCH(int, questions);
        m_faux.connexion->etat = connecte;
        m_faux.boite->reponse = choix;
        const bool forum = controle.endsWith(u"(3)") || controle.endsWith(u"(4)");
        ouvrir(forum ? QStringLiteral("2") : QStringLiteral("1"));

        QTest::mouseClick(this->controle<QLabel>(controle), Qt::LeftButton);
        QCOMPARE(m_faux.connexion->questions, questions);
        if (adresse.isEmpty()) {
            QVERIFY(m_faux.lanceur->lancements.isEmpty());
        } else {
            QCOMPARE(m_faux.lanceur->lancements.size(), 1);
            QCOMPARE(m_faux.lanceur->lancements[0].programme, navigateur());
            QCOMPARE(m_faux.lanceur->lancements[0].arguments, QStringList{adresse});
        }
        QVERIFY(fenetre().isVisible());
    }

    void lienAuClavier() {
        ouvrir(QStringLiteral("1"));
        QTest::keyClick(controle<QLabel>(QStringLiteral("lib_email(1)")), Qt::Key_Return);
        QCOMPARE(m_faux.lanceur->lancements.size(), 1);
    }

    void lancementEchoue() {
        m_faux.lanceur->pid = 0;
        ouvrir(QStringLiteral("1"));
        QTest::mouseClick(controle<QLabel>(QStringLiteral("lib_email(1)")), Qt::LeftButton);
        QCOMPARE(m_faux.boite->messages.size(), 1);
        QVERIFY(m_faux.boite->messages[0].texte.contains(u"Pelandor - lib_email"));
    }

    void copieAdresse_data() {
        QTest::addColumn<QString>("controle");
        ligne("double clic sur la carte", QStringLiteral("img_adresse(1)"));
        ligne("double clic sur une ligne", QStringLiteral("libellesfixe(102)"));
    }
    void copieAdresse() {
        QFETCH(QString, controle);
        ouvrir(QStringLiteral("1"));
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        QString titre, texte;
        lireProchainMessage(&titre, &texte);
        QTest::mouseDClick(this->controle<QWidget>(controle), Qt::LeftButton, {}, QPoint(2, 2));
        QStringList lignes;
        for (QStringView l : {fabricant::nom, fabricant::adresse[0], fabricant::adresse[1],
                              fabricant::adresse[2], QStringView(u"Tél :"), fabricant::telephone})
            lignes << l.toString();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 lignes.join(u"\r\n") + QStringLiteral("\r\n"));
        QCOMPARE(titre.trimmed(), QStringLiteral("Contacter Pelandor"));
        QCOMPARE(texte, QStringLiteral("L'adresse est dans le Presse-Papier.")); // the box trims
    }

    void carteForumNeCopiePas() {
        ouvrir(QStringLiteral("2"));
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        QTest::mouseDClick(controle<QWidget>(QStringLiteral("img_adresse(2)")), Qt::LeftButton, {},
                           QPoint(2, 2));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("avant"));
    }
};

QTEST_MAIN(TestPelandor)
#include "tst_pelandor.moc"
