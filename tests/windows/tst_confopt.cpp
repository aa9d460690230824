// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog: what reaches the settings file and when, the test fields and the browser
// choice.
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "ordretabulation.h"
#include "shared/libcalc.h"
#include "shared/reglages.h"
#include "windows/options/confopt.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace orvaline;
using test::ligne;

namespace {
// Opens the options dialog as the main window does and runs `action` in it, which closes it.
void dansOptions(std::function<void(QWidget*)> action) {
    test::quandModal(QStringLiteral("confopt"), std::move(action));
    afficherOptions();
}

using test::lire;
template <typename T> T* ctl(QWidget* d, const QString& nom) {
    return test::enfant<T>(d, nom);
}

void cliquer(QWidget* d, const QString& nom) {
    ctl<QPushButton>(d, nom)->click();
}
} // namespace

class TestConfOpt : public QObject {
    Q_OBJECT
    test::Faux m_faux{};
    QTemporaryDir m_dossier;

    void ecrireFichier(const QByteArray& contenu) {
        QVERIFY(test::ecrire(libcalc().fichier_ini, contenu));
        lireoptions();
    }

private slots:
    void init() {
        m_faux = test::installerFaux();
        Libcalc& e = libcalc();
        e.saut_ligne = QStringLiteral("\r\n");
        e.chemin_appli = m_dossier.path();
        e.fichier_ini = m_dossier.filePath(QStringLiteral("Orvaline.ini"));
        test::regler(&Options::saisdate, true);
        test::regler(&Options::saisnombre, false);
        ecrireFichier("[Options]\r\nSaisdate=1\r\nSaisnombre=0\r\nNavigateur=/opt/nav/firefox\r\n");
    }

    // Both boxes and the browser changed, then the dialog left three ways: only Ok saves. (Esc
    // takes the close box's way, through reject().)
    void fermeture_data() {
        QTest::addColumn<int>("facon");
        ligne("Annuler", 0);
        ligne("case de fermeture", 1);
        ligne("Ok", 2);
    }
    void fermeture() {
        QFETCH(int, facon);
        const QByteArray avant = lire(libcalc().fichier_ini);
        libcalc().annulation = 7;
        m_faux.dialogue->choix = QStringLiteral("/usr/bin/autre");
        dansOptions([facon](QWidget* d) {
            ctl<QCheckBox>(d, QStringLiteral("case_saisdate"))->click();
            ctl<QCheckBox>(d, QStringLiteral("case_saisnombre"))->click();
            cliquer(d, QStringLiteral("com_selfich"));
            if (facon == 0) cliquer(d, QStringLiteral("com_annul"));
            if (facon == 1) d->close();
            if (facon == 2) cliquer(d, QStringLiteral("com_ok"));
        });
        const bool ok = facon == 2;
        QCOMPARE(libcalc().annulation, qint16(ok ? 0 : 1));
        QCOMPARE(lire(libcalc().fichier_ini),
                 ok ? QByteArray("[Options]\r\nSaisdate=0\r\nSaisnombre=1\r\n"
                                 "Navigateur=/usr/bin/autre\r\n")
                    : avant);
        QCOMPARE(reglages().opt_saisdate(), !ok);
        QCOMPARE(reglages().opt_saisnombre(), ok);
    }

    // The holidays list follows the box at once, and Ok writes its key. (A key left alone stays
    // out of the file: tst_reglages.) The page's keys go to the control that has the focus once
    // its button is clicked.
    void alsaceMoselle_data() {
        test::colonnes<QByteArray, int, QByteArray>({"avant", "feries", "apres"});
        ligne("absente puis cochée", QByteArray(), 13, QByteArray("1"));
        ligne("1 puis décochée", QByteArray("1"), 11, QByteArray("0"));
    }
    void alsaceMoselle() {
        QFETCH(QByteArray, avant);
        QFETCH(QByteArray, apres);
        ecrireFichier("[Options]\r\n" + (avant.isEmpty() ? avant : "Alsacemoselle=" + avant));
        int feries = 0;
        dansOptions([&](QWidget* d) {
            cliquer(d, QStringLiteral("com_options(4)"));
            QTest::keyClick(d->focusWidget(), Qt::Key_Space);
            feries = ctl<QListWidget>(d, QStringLiteral("list_feries"))->count();
            cliquer(d, QStringLiteral("com_ok"));
        });
        QTEST(feries, "feries");
        QVERIFY(lire(libcalc().fichier_ini).contains("Alsacemoselle=" + apres + "\r\n"));
        QCOMPARE(reglages().alsacemoselle(), apres == "1");
    }

    // Tab from the first control back to it reads the screen: the left column (page buttons,
    // Ok, Annuler) from top to bottom, then the page shown, row by row.
    void ordreDeTabulation_data() {
        QTest::addColumn<int>("page");
        ligne("Saisie des Dates", 1);
        ligne("Saisie des Nombres", 2);
        ligne("Navigateur Internet", 3);
        ligne("Jours Fériés", 4);
    }
    void ordreDeTabulation() {
        QFETCH(int, page);
        QStringList suite, ecran;
        dansOptions([&](QWidget* d) {
            cliquer(d, QStringLiteral("com_options(%1)").arg(page));
            const int coupure = ctl<QWidget>(d, QStringLiteral("cadres(%1)").arg(page))->x();
            ecran = test::noms(test::ordreALEcran(d, coupure));
            suite = test::noms(test::suiteDeTab(ctl<QWidget>(d, QStringLiteral("com_options(1)"))));
            cliquer(d, QStringLiteral("com_annul"));
        });
        QCOMPARE(suite, ecran);
        QVERIFY(ecran.contains(QStringLiteral("com_options(4)")));
    }

    void echecDEcritureSignale() {
        const QString fichier = m_dossier.filePath(QStringLiteral("absent/Orvaline.ini"));
        libcalc().fichier_ini = fichier;
        dansOptions([](QWidget* d) {
            ctl<QCheckBox>(d, QStringLiteral("case_saisdate"))->click();
            cliquer(d, QStringLiteral("com_ok"));
        });
        QCOMPARE(m_faux.boite->messages.size(), 1);
        QVERIFY(m_faux.boite->messages.first().texte.contains(fichier));
        // The choice still holds for this session, and the dialog opens again on it rather
        // than on what the file holds.
        QVERIFY(!reglages().opt_saisdate());
        bool coche = true;
        dansOptions([&](QWidget* d) {
            coche = ctl<QCheckBox>(d, QStringLiteral("case_saisdate"))->isChecked();
            cliquer(d, QStringLiteral("com_annul"));
        });
        QVERIFY(!coche);
    }

    // The file dialog opens on the saved browser; the choice is shown and saved trimmed.
    void choixDuNavigateur() {
        QString apresChoix;
        dansOptions([&](QWidget* d) {
            auto* chemin = ctl<QLineEdit>(d, QStringLiteral("lib_navig"));
            cliquer(d, QStringLiteral("com_options(3)"));
            QTest::keyClick(d->focusWidget(), Qt::Key_Space); // cancelled
            m_faux.dialogue->choix = QStringLiteral("  /opt/autre/nav  ");
            cliquer(d, QStringLiteral("com_selfich"));
            apresChoix = chemin->text();
            cliquer(d, QStringLiteral("com_ok"));
        });
        QCOMPARE(m_faux.dialogue->demandes.size(), 2);
        const DemandeFichier& dem = m_faux.dialogue->demandes.first();
        QCOMPARE(dem.dossier + u'/' + dem.fichier, QStringLiteral("/opt/nav/firefox"));
        QCOMPARE(apresChoix, QStringLiteral(" /opt/autre/nav"));
        QVERIFY(lire(libcalc().fichier_ini).contains("Navigateur=/opt/autre/nav\r\n"));
    }

    // The date test field follows the box as it stands, not the option in force; the box,
    // clicked, starts the trial over in its field; Enter goes from the field to the box and back.
    void zoneDateSuitLaCase() {
        QStringList vus;
        qint16 optionPendant = -1;
        dansOptions([&](QWidget* d) {
            auto* zone = ctl<QLineEdit>(d, QStringLiteral("sais_date"));
            QTest::keyClicks(d->focusWidget(), QStringLiteral("2503"));
            vus << zone->text();
            for (Qt::Key touche : {Qt::Key_Enter, Qt::Key_Space, Qt::Key_Return, Qt::Key_Return}) {
                QTest::keyClick(d->focusWidget(), touche);
                vus << d->focusWidget()->objectName();
            }
            QTest::keyClicks(d->focusWidget(), QStringLiteral("2503"));
            vus << zone->text();
            optionPendant = reglages().opt_saisdate();
            cliquer(d, QStringLiteral("com_annul"));
        });
        const QString annee = QString::number(QDate::currentDate().year());
        QCOMPARE(vus.join(u' '), QStringLiteral("25/03/%1 case_saisdate sais_date case_saisdate "
                                                "sais_date 2503")
                                     .arg(annee));
        QCOMPARE(optionPendant, qint16(1)); // the box holds the choice until Ok
    }

    void zoneNombreSuitLaCase() {
        // The file has number stepping off; checking the box turns it on in the test field.
        QStringList vus;
        dansOptions([&](QWidget* d) {
            cliquer(d, QStringLiteral("com_options(2)"));
            auto* zone = ctl<QLineEdit>(d, QStringLiteral("sais_nombre"));
            QTest::keyClicks(d->focusWidget(), QStringLiteral("5a"));
            QTest::keyClick(zone, Qt::Key_Up);
            vus << zone->text();
            ctl<QCheckBox>(d, QStringLiteral("case_saisnombre"))->click();
            QTest::keyClicks(zone, QStringLiteral("5"));
            QTest::keyClick(zone, Qt::Key_Up);
            vus << zone->text();
            QTest::keyClick(zone, Qt::Key_PageDown); // negatives are allowed here
            vus << zone->text();
            cliquer(d, QStringLiteral("com_annul"));
        });
        QCOMPARE(vus.join(u' '), QStringLiteral("5 6 -4"));
    }

    // The date typed in the test field reaches the calendar and comes back whole, whatever
    // its year: the year list reaches down and up to it.
    void calendrierPourLaZoneDeTest_data() {
        test::colonnes<QString, QString, QString, QString>({"tape", "jour", "attendu", "derniere"});
        ligne("un jour cliqué", "15032025", "20", "20/03/2025", "2029");
        ligne("9000, loin au-delà", "01019000", "", "01/01/9000", "9000");
    }
    void calendrierPourLaZoneDeTest() {
        QFETCH(QString, tape);
        QFETCH(QString, jour);
        QFETCH(QString, attendu);
        QString montre, vu, focus, derniere;
        libcalc().annee_jour = QStringLiteral("2026");
        dansOptions([&](QWidget* d) {
            auto* zone = ctl<QLineEdit>(d, QStringLiteral("sais_date"));
            zone->setFocus();
            QTest::keyClicks(zone, tape);
            test::quandModal(QStringLiteral("calend"), [&](QWidget* cal) {
                montre = ctl<QLabel>(cal, QStringLiteral("lib_date"))->text();
                auto* annees = ctl<QListWidget>(cal, QStringLiteral("list_annee"));
                derniere = annees->item(annees->count() - 1)->text();
                for (auto* c : cal->findChildren<QLabel*>())
                    if (!jour.isEmpty() && c->objectName().startsWith(u"lib_jour(") &&
                        c->text() == jour)
                        QTest::mouseClick(c, Qt::LeftButton);
                cliquer(cal, QStringLiteral("com_ok"));
            });
            cliquer(d, QStringLiteral("com_calendrier"));
            vu = zone->text();
            focus = d->focusWidget()->objectName();
            cliquer(d, QStringLiteral("com_annul"));
        });
        QCOMPARE(montre, tape.left(2) + u'/' + tape.mid(2, 2) + u'/' + tape.right(4));
        // The dialog asks for the calendar's own span: three years, not the main window's 25.
        QTEST(derniere, "derniere");
        QCOMPARE(vu, attendu);
        QCOMPARE(focus, QStringLiteral("sais_date"));
        // The dialog's own answer is the last word, whatever the calendar said.
        QCOMPARE(libcalc().annulation, qint16(1));
    }
};

QTEST_MAIN(TestConfOpt)
#include "tst_confopt.moc"
