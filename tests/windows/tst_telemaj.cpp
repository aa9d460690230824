// SPDX-License-Identifier: GPL-3.0-or-later
// The update window: the browser on the installer after confirmation, then the way out.
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "shared/fabricant.h"
#include "shared/internet.h"
#include "shared/libcalc.h"
#include "windows/update/telemaj.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;
using test::ligne;

class TestTeleMaj : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;
    int m_sorties = 0;

    TeleMaj& fenetre() { return TeleMaj::instance(); }
    QPushButton* bouton(int k) {
        return fenetre().findChild<QPushButton*>(QStringLiteral("com_commandes(%1)").arg(k));
    }
    QString navigateur() const { return m_dossier.filePath(QStringLiteral("nav igateur")); }

private slots:
    void init() {
        m_faux = test::installerFaux();
        QVERIFY(test::preparerNavigateur(m_dossier.path(), navigateur()));
        m_sorties = 0;
        fenetre().sortie = [this] { ++m_sorties; };
        fenetre().charger();
        fenetre().show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre()));
    }
    void cleanup() { fenetre().hide(); }

    void quitterNeDemandeRien() {
        QFile::remove(libcalc().fichier_ini);
        bouton(2)->click();
        QVERIFY(!fenetre().isVisible());
        QVERIFY(m_faux.boite->messages.isEmpty());
        QVERIFY(m_faux.lanceur->lancements.isEmpty());
        QVERIFY(!QFile::exists(libcalc().fichier_ini));
    }

    void telecharger_data() {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<int>("lancements");
        QTest::addColumn<int>("sorties");
        QTest::addColumn<bool>("erreur");
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
        test::repondreAuProchainModal(reponse);
        bouton(1)->click();

        QCOMPARE(m_faux.lanceur->lancements.size(), lancements);
        if (lancements == 1) {
            QCOMPARE(m_faux.lanceur->lancements[0].programme, navigateur());
            QCOMPARE(m_faux.lanceur->lancements[0].arguments,
                     QStringList{QStringLiteral("http://") +
                                 fabricant::hoteTelechargement.toString() +
                                 QStringLiteral("/Orvaline/Install.exe")});
        }
        QCOMPARE(m_sorties, sorties);
        QCOMPARE(m_faux.boite->messages.size(), erreur ? 1 : 0);
        if (erreur) {
            QCOMPARE(m_faux.boite->messages[0].titre, QStringLiteral("Erreurs"));
            QVERIFY(m_faux.boite->messages[0].texte.startsWith(u"Erreur Système N° "));
            QVERIFY(m_faux.boite->messages[0].texte.contains(u"telemaj - com_commandes)"));
        }
        if (sorties == 0) QVERIFY(fenetre().isVisible());
    }

    void sansNavigateurRienNeSeLance() {
        QVERIFY(test::ecrire(libcalc().fichier_ini, "[Options]\r\nSaisdate=1\r\n"));
        test::repondreAuProchainModal(QStringLiteral("Ok"), 300); // would confirm by mistake
        bouton(1)->click();
        QTest::qWait(350);
        QCOMPARE(m_faux.boite->messages.size(), 1);
        QCOMPARE(m_faux.boite->messages[0].titre, QStringLiteral("Navigateur Internet"));
        QVERIFY(m_faux.lanceur->lancements.isEmpty());
        QCOMPARE(m_sorties, 0);
    }
};

QTEST_MAIN(TestTeleMaj)
#include "tst_telemaj.moc"
