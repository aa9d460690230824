// SPDX-License-Identifier: GPL-3.0-or-later
// The print-out of a tape, made as a PDF file through the print module and read back with
// pdftotext: every line in order, the columns still under each other, on numbered pages; a
// page range cut at the last page; a file cut short by a full disk reported; and the whole
// way from the menu through the print dialog to the PDF file it proposes.
#include "core/historique.h"
#include "core/textebande.h"
#include "faux.h"
#include "impression/impression.h"
#include "impression/miseenpage.h"
#include "lignes.h"
#include "platform/imprimantemodule.h"
#include "platform/services.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/msgbox/echangemessage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

using namespace orvaline;
using namespace Qt::StringLiterals;

class TestImpression : public QObject {
    Q_OBJECT

    // A long tape: sums with growing day counts, and a multiplication by a number.
    static QString bandeLongue(int calculs) {
        QString bande;
        for (int i = 0; i < calculs; ++i) {
            const double jours = i * 37;
            historique(bande, u"", jours, 2, 3, 4, u',');
            historique(bande, i % 2 ? u"+" : u"-", 0, 1, 0, 0, u',');
            historique(bande, u"=", jours, i % 2 ? 3 : 1, 3, 4, u',');
        }
        historique(bande, u"", 0, 1, 0, 0, u',');
        historique(bande, u"x", 0, 0, 0, 2.5, u',');
        historique(bande, u"=", 0, 2, 30, 0, u',');
        return alignerADroite(bande);
    }

    // The PDF file as pdftotext reads it, its pages laid out ("\f" ends each page); nothing
    // when pdftotext fails.
    static std::optional<QString> lire(const QString& pdf) {
        QProcess p;
        p.start(QStandardPaths::findExecutable(u"pdftotext"_s), {u"-layout"_s, pdf, u"-"_s});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) return std::nullopt;
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext manque (paquet poppler-utils)");
    }

    void pdfLuEnClair_data() {
        test::colonnes<int, int>({"calculs", "pages"});
        test::ligne("one calculation, one page", 1, 1);
        // 4 lines per calculation: a page of A4 holds about 60.
        test::ligne("a tape over several pages", 50, 4);
    }
    void pdfLuEnClair() {
        QFETCH(int, calculs);
        QFETCH(int, pages);
        QTemporaryDir dossier;
        const QString pdf = dossier.filePath(u"bande.pdf"_s);
        const QString bande = bandeLongue(calculs);
        const QString titre = u"Orvaline - Calculatrice de Temps, bande du 06/12/2026 à 10:00:00"_s;
        ResultatImpression resultat;
        orvaline_imprimer_pdf(TravailImpression{titre, bande, {}}, pdf, resultat);
        QCOMPARE(resultat.issue, IssueImpression::Imprimee);

        const std::optional<QString> texte = lire(pdf);
        QVERIFY(texte);
        const QStringList lu = texte->split(u'\n');

        // Every tape line, in order, ending in the same column as the others. pdftotext
        // rebuilds the blanks from the glyphs' positions, so runs of blanks are compared as one.
        qsizetype suivante = 0;
        qsizetype colonneFin = -1;
        for (const QString& ligne : bande.split(u'\n')) {
            const QString contenu = ligne.simplified();
            if (contenu.isEmpty()) continue;
            qsizetype fin = -1;
            for (; suivante < lu.size() && fin < 0; ++suivante) {
                // pdftotext lays each page out on a grid of its own: columns compare per page.
                if (lu[suivante].startsWith(u'\f')) colonneFin = -1;
                if (lu[suivante].simplified() == contenu) {
                    fin = lu[suivante].size();
                    while (fin > 0 && lu[suivante].at(fin - 1).isSpace())
                        --fin;
                }
            }
            QVERIFY2(fin >= 0, qPrintable(u"ligne absente ou déplacée : "_s + contenu +
                                          u"\nTexte lu :\n"_s + lu.join(u'\n').left(1500)));
            if (colonneFin < 0) colonneFin = fin;
            QVERIFY2(fin == colonneFin, qPrintable(u"colonnes décalées : "_s + contenu));
        }
        for (int page = 1; page <= pages; ++page) {
            const QString pied = u"Page %1 sur %2"_s.arg(page).arg(pages);
            QVERIFY2(lu.filter(pied).size() == 1, qPrintable(pied));
        }
        QCOMPARE(lu.filter(titre).size(), pages);
    }

    // A tape of 4 pages printed with a range from the print dialog: what the range asks for
    // of the pages that exist, and never a page past the end, blank or numbered "5 sur 4".
    // (A range wholly past the end is parLeDialogue's.)
    void plageDePages_data() {
        test::colonnes<int, int, QList<int>>({"de", "a", "imprimees"});
        test::ligne("pages 2 to 3", 2, 3, QList<int>{2, 3});
        test::ligne("a range reaching past the end is cut at the last page", 3, 9,
                    QList<int>{3, 4});
    }
    void plageDePages() {
        QFETCH(int, de);
        QFETCH(int, a);
        QFETCH(QList<int>, imprimees);
        QTemporaryDir dossier;
        const QString pdf = dossier.filePath(u"plage.pdf"_s);
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(pdf);
        imprimante.setPrintRange(QPrinter::PageRange);
        imprimante.setFromTo(de, a);
        const std::optional<QString> echec =
            dessinerPages(imprimante, TravailImpression{u"Titre"_s, bandeLongue(50), {}});
        QVERIFY2(!echec, qPrintable(echec.value_or(QString())));
        const std::optional<QString> texte = lire(pdf);
        QVERIFY(texte);
        QCOMPARE(texte->count(u'\f'), imprimees.size());
        for (int page = 1; page <= 9; ++page)
            QCOMPARE(texte->contains(u"Page %1 sur 4"_s.arg(page)), imprimees.contains(page));
    }

    // From the "Fichier" menu of the time calculator to the PDF file: the print dialog
    // proposes Orvaline-bande-<date>.pdf in Documents, and printing there gives the tape.
    // A print that fails on the way is told, with its reason, and leaves no file: the disk
    // fills up, or the pages asked for in the dialog lie past the end.
    void parLeDialogue_data() {
        test::colonnes<bool, int, QStringList>({"disquePlein", "dePage", "message"});
        test::ligne("printed", false, 0, QStringList{});
        test::ligne("the disk fills up", true, 0,
                    QStringList{u"Orvaline-bande-"_s, u"le disque est peut-être plein"_s});
        test::ligne("pages past the end", false, 5, QStringList{u"la page 5 n'existe pas"_s});
    }
    void parLeDialogue() {
        QFETCH(bool, disquePlein);
        QFETCH(int, dePage);
        QFETCH(QStringList, message);
        QTemporaryDir maison;
        QVERIFY(QDir(maison.path()).mkpath(u"Documents"_s));
        const QByteArray maisonAvant = qgetenv("HOME");
        const QByteArray configAvant = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(maison.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(maison.filePath(u"config"_s)));
        const auto retablir = qScopeGuard([&] {
            qputenv("HOME", maisonAvant);
            qputenv("XDG_CONFIG_HOME", configAvant);
        });
        test::installerFaux();
        plateforme::installer(
            std::make_unique<ImprimanteModule>(QStringList{QStringLiteral(MODULE_IMPRESSION)}));
        initialisation();
        libcalc().saut_ligne = u"\n"_s;
        libcalc().chemin_appli = maison.path();
        FenetrePrincipale fenetre;
        fenetre.charger();
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));

        // One addition on the tape: 1 J 02:03:04 + 01:00:00.
        QTest::keyClick(&fenetre, Qt::Key_F2);
        int operateur = 1;
        for (const char* duree : {"1 2 3 4", "0 1 0 0"}) {
            const QStringList t = QString::fromLatin1(duree).split(u' ');
            for (int i = 1; i <= 4; ++i)
                test::retaper(&fenetre, u"sais_time(%1)"_s.arg(i), t[i - 1]);
            test::cliquer(&fenetre, u"com_oper(%1)"_s.arg(operateur));
            operateur = 5;
        }

        // The preview's print button opens the print dialog, which is answered with its own
        // proposal for a PDF file; any message box is read and closed.
        QString propose;
        QString lu;
        test::quandModal(u"apercu"_s, [&](QWidget* apercu) {
            QAction* imprimer = nullptr;
            for (QAction* a : apercu->findChildren<QAction*>())
                if (a->text() == u"Print"_s || a->text() == u"Imprimer"_s) imprimer = a;
            if (!imprimer) {
                apercu->close();
                return;
            }
            auto* attente = new QTimer(apercu);
            QObject::connect(attente, &QTimer::timeout, apercu, [&, attente] {
                QWidget* dialogue = QApplication::activeModalWidget();
                if (!dialogue || !dialogue->inherits("QPrintDialog")) return;
                attente->stop();
                auto* imprimantes = dialogue->findChild<QComboBox*>(u"printers"_s);
                imprimantes->setCurrentIndex(imprimantes->count() - 1); // Print to File (PDF)
                propose = dialogue->findChild<QLineEdit*>(u"filename"_s)->text();
                if (dePage > 0) {
                    dialogue->findChild<QAbstractButton*>(u"printRange"_s)->setChecked(true);
                    dialogue->findChild<QSpinBox*>(u"to"_s)->setValue(dePage + 2);
                    dialogue->findChild<QSpinBox*>(u"from"_s)->setValue(dePage);
                }
                test::quandModal(
                    u"usermsgbox"_s,
                    [&](QWidget* boite) {
                        lu = demandeMessage().texte;
                        boite->close();
                    },
                    3000);
                QMetaObject::invokeMethod(dialogue, "accept");
            });
            attente->start(5);
            imprimer->trigger();
        });
        // A full disk: files may not grow past 4 KiB, and a write past it fails instead of
        // ending the program.
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        rlimit limite = avant;
        if (disquePlein) limite.rlim_cur = 4096;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limite) == 0);
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signal);

        const QString attendu =
            QDir(maison.filePath(u"Documents"_s))
                .filePath(u"Orvaline-bande-"_s + QDate::currentDate().toString(Qt::ISODate) +
                          u".pdf"_s);
        QCOMPARE(propose, attendu);
        if (!message.isEmpty()) {
            for (const QString& attendue : message)
                QVERIFY2(lu.contains(attendue), qPrintable(lu));
            QVERIFY(!QFile::exists(attendu));
            return;
        }
        QVERIFY2(lu.isEmpty(), qPrintable(lu));
        const std::optional<QString> texte = lire(attendu);
        QVERIFY(texte);
        QVERIFY2(texte->contains(u"Orvaline - Calculatrice de Temps, bande du "_s +
                                 QDate::currentDate().toString(u"dd/MM/yyyy"_s)),
                 qPrintable(*texte));
        QVERIFY2(texte->simplified().contains(u"= 001 J 03:03:04"_s), qPrintable(*texte));
    }
};

QTEST_MAIN(TestImpression)
#include "tst_impression.moc"
