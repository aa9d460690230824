// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing lost, as the user sees it: a run taken up again after an abnormal end (or not), the
// option that keeps it across normal exits, journals that cannot be read, and the undo of
// "Effacer" and "Reset".
#include "faux.h"
#include "fichierstest.h"
#include "lignes.h"
#include "shared/journalseance.h"
#include "shared/libcalc.h"
#include "windows/main/fenetreprincipale.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace orvaline;
using namespace Qt::StringLiterals;

namespace {
const ContenuJournal ancienneSeance{
    u"\n 001 J  02:00:00 \n+ 000 J  00:30:00 \n= 001 J  02:30:00 \n"_s,
    u"\n DD : 31/01/2024\n Inc: 1 Mois\n DF : 29/02/2024\n"_s};
} // namespace

class TestSeance : public QObject {
    Q_OBJECT

    std::unique_ptr<FenetrePrincipale> m_fenetre;
    test::Faux m_faux{};
    QTemporaryDir m_dossier;
    QStringList m_questions; // texts of the program's own boxes that came up

    QString journal() const { return JournalSeance::cheminParDefaut(); }
    template <typename T> T* ctrl(const QString& nom) {
        return test::enfant<T>(m_fenetre.get(), nom);
    }
    QString bande() { return ctrl<QPlainTextEdit>(u"sais_histo(1)"_s)->toPlainText(); }
    QString historique() { return ctrl<QPlainTextEdit>(u"sais_histo(2)"_s)->toPlainText(); }
    void cliquer(const QString& bouton) { test::cliquer(m_fenetre.get(), bouton); }
    void taper(const QString& champ, const QString& texte) {
        test::retaper(m_fenetre.get(), champ, texte);
    }
    // One sum on the tape: hours + minutes =.
    void somme(const QString& heures, const QString& minutes) {
        taper(u"sais_time(2)"_s, heures);
        cliquer(u"com_oper(1)"_s);
        taper(u"sais_time(3)"_s, minutes);
        cliquer(u"com_oper(5)"_s);
    }
    void dates(const QString& depart, const QString& increment) {
        taper(u"sais_date(1)"_s, depart);
        taper(u"sais_increment"_s, increment);
        cliquer(u"com_date"_s);
    }
    // Starts a window as the program does; `reponse` answers every box that comes up while
    // it loads, and their texts are kept.
    void demarrer(const QString& reponse = u"Non"_s) {
        m_questions.clear();
        QTimer guet;
        guet.setInterval(5);
        connect(&guet, &QTimer::timeout, this, [this, reponse] {
            QWidget* boite = QApplication::activeModalWidget();
            if (!boite || !boite->isVisible() || boite->objectName() != u"usermsgbox") return;
            QStringList textes;
            for (QLabel* l : boite->findChildren<QLabel*>())
                if (l->isVisible() && !l->text().trimmed().isEmpty()) textes << l->text();
            // Enter, as a user would press it, once the box has the keyboard.
            const bool entree = reponse == u"Entrée";
            if (entree && (!boite->isActiveWindow() || !boite->focusWidget())) return;
            m_questions << textes.join(u' ').simplified();
            if (entree) return QTest::keyClick(boite->focusWidget(), Qt::Key_Return);
            for (QAbstractButton* b : boite->findChildren<QAbstractButton*>())
                if (b->isVisible() && (b->text() == reponse || b->text() == u"Ok"))
                    return b->click();
        });
        guet.start();
        m_fenetre = std::make_unique<FenetrePrincipale>();
        m_fenetre->charger();
        guet.stop();
        m_fenetre->show();
        QApplication::setActiveWindow(m_fenetre.get());
        QVERIFY(QTest::qWaitForWindowActive(m_fenetre.get()));
    }
    void reglerGarder(bool garder) {
        QVERIFY(test::ecrire(QDir(m_dossier.path()).filePath(u"Orvaline.ini"_s),
                             "[Options]\r\nSaisdate=0\r\nSaisnombre=0\r\nGarderseance=" +
                                 QByteArray(garder ? "1" : "0") + "\r\n"));
    }
    // The journal as the next start reads it.
    ContenuJournal relu() {
        const auto l = JournalSeance(journal()).examiner();
        return l ? l->contenu : ContenuJournal{u"<absent>"_s, {}};
    }
    void laisserJournal(const QByteArray& octets) {
        QDir().mkpath(QFileInfo(journal()).absolutePath());
        QVERIFY(test::ecrire(journal(), octets));
    }

private slots:
    void initTestCase() {
        m_faux = test::installerFaux();
        libcalc().chemin_appli = m_dossier.path();
    }
    void init() {
        reglerGarder(false);
        QFile::remove(journal());
    }
    void cleanup() { m_fenetre.reset(); }

    void reprise_data() {
        test::colonnes<QString>({"reponse"});
        // Oui is the default button (its taking the run up is tst_coupure's).
        test::ligne("Enter keeps the run", "Entrée");
        test::ligne("Non starts empty and drops the old journal", "Non");
    }
    void reprise() {
        QFETCH(QString, reponse);
        laisserJournal(journalComplet(ancienneSeance));
        demarrer(reponse);
        QCOMPARE(m_questions.size(), 1);
        const ContenuJournal vu = reponse == u"Non" ? ContenuJournal{} : ancienneSeance;
        QCOMPARE(bande(), vu.bande);
        QCOMPARE(historique(), vu.historique);
        QCOMPARE(relu(), vu);

        // The run goes on from there, and the journal follows the screen.
        somme(u"3"_s, u"15"_s);
        dates(u"01/03/2024"_s, u"2"_s);
        QCOMPARE(relu(), (ContenuJournal{bande(), historique()}));
        QVERIFY(bande().startsWith(vu.bande) && bande().size() > vu.bande.size());
    }

    // After a normal exit the option keeps the run: it comes back without a question. (Without
    // the option nothing is left: tst_coupure's normal end.)
    void sortieNormaleGardee() {
        reglerGarder(true);
        demarrer();
        somme(u"1"_s, u"2"_s);
        dates(u"15/08/2025"_s, u"10"_s);
        const ContenuJournal vu{bande(), historique()};
        m_fenetre.reset();

        demarrer(u"Non"_s);
        QCOMPARE(m_questions, QStringList());
        QCOMPARE(bande(), vu.bande);
        QCOMPARE(historique(), vu.historique);
    }

    // A journal that cannot be read never stops the start: a message, then an empty run.
    void illisible_data() {
        test::colonnes<QByteArray, bool, QString>({"octets", "dossier", "message"});
        test::ligne("garbage", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), false, "abîmé");
        test::ligne("another version", QByteArray("Orvaline journal 7\n+B 1 0000:x\n"), false,
                    "autre version");
        test::ligne("a folder", QByteArray(), true, "abîmé");
    }
    void illisible() {
        QFETCH(QByteArray, octets);
        QFETCH(bool, dossier);
        QFETCH(QString, message);
        if (dossier)
            QVERIFY(QDir().mkpath(journal()));
        else
            laisserJournal(octets);
        demarrer();
        QCOMPARE(m_questions.size(), 1);
        QVERIFY2(m_questions[0].contains(message), qPrintable(m_questions[0]));
        QVERIFY(m_questions[0].contains(journal() + u".illisible"_s));
        QCOMPARE(bande(), QString());
        somme(u"1"_s, u"1"_s);
        QCOMPARE(relu().bande, bande());
        QDir(journal() + u".illisible"_s).removeRecursively();
        QFile::remove(journal() + u".illisible"_s);
    }

    // A journal cut inside a record (a power cut): the whole records come back.
    void finAbimee() {
        laisserJournal(journalComplet(ancienneSeance) +
                       enregistrementAjout(Releve::Bande, u"\n 005 J  00:00:00 "_s).chopped(3));
        demarrer(u"Oui"_s);
        QCOMPARE(m_questions.size(), 2);
        QVERIFY(m_questions[1].contains(u"abîmée"_s));
        QCOMPARE(bande(), ancienneSeance.bande);
    }

    // No journal can be kept: the program works as designed, without a word.
    void etatInscriptible() {
        const QByteArray avant = qgetenv("XDG_STATE_HOME");
        const QString bouche = m_dossier.filePath(u"bouche"_s);
        QVERIFY(test::ecrire(bouche, "un fichier"));
        qputenv("XDG_STATE_HOME", QFile::encodeName(bouche));
        demarrer();
        somme(u"2"_s, u"5"_s);
        m_fenetre.reset();
        qputenv("XDG_STATE_HOME", avant);
        QCOMPARE(m_questions, QStringList());
        QCOMPARE(test::lire(bouche), QByteArray("un fichier"));
    }

    void annulerBande_data() {
        test::colonnes<QString>({"bouton"});
        test::ligne("Reset", "com_clear(2)");
        test::ligne("Effacer", "com_clear(1)");
    }
    void annulerBande() {
        QFETCH(QString, bouton);
        demarrer();
        auto* annuler = ctrl<QAction>(u"menu_annuler"_s);
        QVERIFY(!annuler->isEnabled());
        somme(u"1"_s, u"30"_s);
        taper(u"sais_time(2)"_s, u"4"_s);
        cliquer(u"com_oper(1)"_s);
        taper(u"sais_time(1)"_s, u"2"_s);
        const QString avant = bande();
        QStringList champs;
        for (int i = 1; i <= 4; ++i)
            champs << ctrl<QLineEdit>(u"sais_time(%1)"_s.arg(i))->text();
        cliquer(bouton);
        QVERIFY(annuler->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bande(), avant);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(ctrl<QLineEdit>(u"sais_time(%1)"_s.arg(i))->text(), champs[i - 1]);
        QCOMPARE(ctrl<QLabel>(u"lib_oper"_s)->text(), u"+"_s);
        QCOMPARE(relu().bande, avant);
        // Once only.
        QVERIFY(!annuler->isEnabled());
        cliquer(u"com_oper(5)"_s);
        QCOMPARE(relu().bande, bande());
    }

    void annulerDates_data() {
        test::colonnes<bool>({"calculEnsuite"});
        test::ligne("Ctrl+Z right after Reset", false);
        test::ligne("a calculation after Reset ends the undo", true);
    }
    void annulerDates() {
        QFETCH(bool, calculEnsuite);
        demarrer();
        QTest::keyClick(m_fenetre.get(), Qt::Key_F3);
        dates(u"31/01/2024"_s, u"1"_s);
        dates(u"01/01/2025"_s, u"-3"_s);
        const QString avant = historique();
        const QString resultat = ctrl<QLabel>(u"lib_calcul"_s)->text();
        const int unite = ctrl<QListWidget>(u"list_increment"_s)->currentRow();
        cliquer(u"com_clear(3)"_s);
        QCOMPARE(historique(), QString());
        if (calculEnsuite) dates(u"02/02/2022"_s, u"1"_s);
        const QString ensuite = historique();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        if (calculEnsuite) {
            QCOMPARE(historique(), ensuite);
        } else {
            QCOMPARE(historique(), avant);
            QCOMPARE(ctrl<QLineEdit>(u"sais_date(1)"_s)->text(), u"01/01/2025"_s);
            QCOMPARE(ctrl<QLineEdit>(u"sais_increment"_s)->text(), u"-3"_s);
            QCOMPARE(ctrl<QLabel>(u"lib_calcul"_s)->text(), resultat);
            QCOMPARE(ctrl<QListWidget>(u"list_increment"_s)->currentRow(), unite);
        }
        QCOMPARE(relu().historique, historique());
    }
};

QTEST_MAIN(TestSeance)
#include "tst_seance.moc"
