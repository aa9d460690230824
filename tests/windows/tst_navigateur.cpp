// SPDX-License-Identifier: GPL-3.0-or-later
// The windows that start the browser. About and contact: the card asked for, the links, the
// address on the clipboard. Update: the installer after confirmation, then the way out.
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "shared/fabricant.h"
#include "shared/libcalc.h"
#include "windows/about/pelandor.h"
#include "windows/update/telemaj.h"

#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace orvaline;
using namespace Qt::StringLiterals;
using test::ligne;

class TestNavigateur : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;
    int m_sorties = 0;

    Pelandor& fenetre() { return Pelandor::instance(); }
    template <typename T> T* controle(const QString& nom) {
        return test::enfant<T>(&fenetre(), nom);
    }
    QString navigateur() const { return m_dossier.filePath(QStringLiteral("nav igateur")); }
    // The one launch expected: the chosen browser on `adresse`.
    void lancementSur(const QString& adresse) {
        QCOMPARE(m_faux.lanceur->lancements.size(), 1);
        QCOMPARE(m_faux.lanceur->lancements[0].programme, navigateur());
        QCOMPARE(m_faux.lanceur->lancements[0].arguments, QStringList{adresse});
    }
    TeleMaj& maj() { return TeleMaj::instance(); }
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
        m_sorties = 0;
    }
    void cleanup() {
        fenetre().hide();
        maj().hide();
    }

    void carte_data() {
        test::colonnes<QString, int>({"entree", "carte"});
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
    }

    void lien_data() {
        // adresse: empty: nothing started
        test::colonnes<QString, bool, BoiteSysteme::Reponse, QString, int>(
            {"controle", "connecte", "choix", "adresse", "questions"});
        using R = BoiteSysteme::Reponse;
        ligne("courriel sans connexion ni question", QStringLiteral("lib_email(1)"), false,
              R::Annuler, QStringLiteral("mailto:") + fabricant::courriel.toString(), 0);
        ligne("site, connecté", QStringLiteral("lib_email(2)"), true, R::Annuler,
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
        m_faux.connexion->etat = connecte;
        m_faux.boite->reponse = choix;
        const bool forum = controle.endsWith(u"(3)") || controle.endsWith(u"(4)");
        ouvrir(forum ? QStringLiteral("2") : QStringLiteral("1"));

        QTest::mouseClick(this->controle<QLabel>(controle), Qt::LeftButton);
        QTEST(m_faux.connexion->questions, "questions");
        if (adresse.isEmpty()) {
            QVERIFY(m_faux.lanceur->lancements.isEmpty());
        } else {
            lancementSur(adresse);
        }
        QVERIFY(fenetre().isVisible());
    }

    void lienAuClavier() {
        ouvrir(QStringLiteral("1"));
        QTest::keyClick(controle<QLabel>(QStringLiteral("lib_email(1)")), Qt::Key_Return);
        QCOMPARE(m_faux.lanceur->lancements.size(), 1);
    }

    // A double-click on the card or on one of its lines copies the address, and says so.
    void copieAdresse_data() {
        QTest::addColumn<QString>("controle");
        ligne("double clic sur la carte", QStringLiteral("img_adresse(1)"));
        ligne("double clic sur une ligne", QStringLiteral("libellesfixe(102)"));
    }
    void copieAdresse() {
        QFETCH(QString, controle);
        ouvrir(QStringLiteral("1"));
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        bool dit = false;
        test::quandModal(QStringLiteral("usermsgbox"), [&](QWidget* w) {
            dit = true;
            w->close();
        });
        QTest::mouseDClick(this->controle<QWidget>(controle), Qt::LeftButton, {}, QPoint(2, 2));
        const QString copie = QGuiApplication::clipboard()->text();
        QVERIFY(copie.startsWith(fabricant::nom.toString() + QStringLiteral("\r\n")));
        QVERIFY(copie.endsWith(fabricant::telephone.toString() + QStringLiteral("\r\n")));
        QVERIFY(dit);
    }

    void telecharger_data() {
        test::colonnes<QString, qint64, int, int, bool>(
            {"reponse", "pid", "lancements", "sorties", "erreur"});
        ligne("Ok lance le navigateur puis termine", QStringLiteral("Ok"), qint64(99), 1, 1, false);
        ligne("Annuler laisse la fenêtre ouverte", QStringLiteral("Annuler"), qint64(99), 0, 0,
              false);
        ligne("navigateur qui ne démarre pas: rapport, le programme reste", QStringLiteral("Ok"),
              qint64(0), 1, 0, true);
    }
    void telecharger() {
        QFETCH(QString, reponse);
        QFETCH(qint64, pid);
        QFETCH(int, lancements);
        QFETCH(int, sorties);
        QFETCH(bool, erreur);
        m_faux.lanceur->pid = pid;
        maj().sortie = [this] { ++m_sorties; };
        maj().charger();
        maj().show();
        QVERIFY(QTest::qWaitForWindowExposed(&maj()));
        test::repondreAuProchainModal(reponse);
        maj().findChild<QPushButton*>(QStringLiteral("com_commandes(1)"))->click();

        if (lancements == 1) {
            // The package is fetched over https only, from the maker's download host.
            const QUrl adresse(m_faux.lanceur->lancements.value(0).arguments.value(0));
            QCOMPARE(adresse.scheme(), u"https"_s);
            QCOMPARE(adresse.host(), fabricant::hoteTelechargement.toString());
            QVERIFY(adresse.path().endsWith(u".deb"));
            lancementSur(adresse.toString());
        } else
            QVERIFY(m_faux.lanceur->lancements.isEmpty());
        QCOMPARE(m_sorties, sorties);
        QCOMPARE(m_faux.boite->messages.size(), erreur ? 1 : 0);
        if (erreur) QVERIFY(m_faux.boite->messages[0].texte.contains(u"telemaj - com_commandes)"));
        if (sorties == 0) QVERIFY(maj().isVisible());
    }
};

QTEST_MAIN(TestNavigateur)
#include "tst_navigateur.moc"
