// SPDX-License-Identifier: GPL-3.0-or-later
// The run's journal on disk: where it lives, who may read it and what a normal end leaves.
// The places where it cannot be written or read are tried from the window (tst_seance).
#include "lignes.h"
#include "shared/journalseance.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace orvaline;
using namespace Qt::StringLiterals;

namespace {
int mode(const QString& chemin) {
    struct stat s {};
    return ::stat(QFile::encodeName(chemin).constData(), &s) == 0 ? int(s.st_mode & 0777) : -1;
}
} // namespace

class TestJournalSeance : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

    QString ici(const QString& nom) const { return m_dossier.filePath(nom); }

private slots:
    void emplacement_data() {
        test::colonnes<QByteArray, QString>({"etat", "chemin"});
        test::ligne("XDG_STATE_HOME", QByteArray("/tmp/etat/"), "/tmp/etat/Orvaline/journal");
        test::ligne("relative, hence ignored", QByteArray("etat"),
                    QDir::homePath() + u"/.local/state/Orvaline/journal"_s);
        test::ligne("unset", QByteArray(), QDir::homePath() + u"/.local/state/Orvaline/journal"_s);
    }
    void emplacement() {
        QFETCH(QByteArray, etat);
        const QByteArray avant = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", etat);
        const QString chemin = JournalSeance::cheminParDefaut();
        qputenv("XDG_STATE_HOME", avant);
        QTEST(chemin, "chemin");
    }

    // A whole run, then a normal exit removes the journal (the keep option leaving it is
    // tst_seance's sortieNormale).
    void seanceEntiere() {
        const QString chemin = ici(u"etat/Orvaline/journal"_s);
        {
            JournalSeance journal(chemin);
            QCOMPARE(journal.examiner(), std::nullopt);
            QVERIFY(journal.commencer({u"\n 001 J  00:00:00 "_s, QString()}));
            QCOMPARE(mode(ici(u"etat/Orvaline"_s)), 0700);
            QCOMPARE(mode(chemin), 0600);
            journal.ajouter(Releve::Historique, u"\n DD : 01/01/2025\n"_s);
            journal.effacer(Releve::Bande);
            journal.ajouter(Releve::Bande, u"\n 002 J  00:00:00 "_s);
            // Read as the next start would, while the run still holds it.
            const auto lu = JournalSeance(chemin).examiner();
            QVERIFY(lu);
            QCOMPARE(int(lu->etat), int(EtatJournal::Lu));
            QCOMPARE(lu->contenu,
                     (ContenuJournal{u"\n 002 J  00:00:00 "_s, u"\n DD : 01/01/2025\n"_s}));
            journal.terminer(false);
        }
        QVERIFY(!QFileInfo::exists(chemin));
        QVERIFY(!QFileInfo::exists(chemin + u".nouveau"_s));
    }
};

QTEST_APPLESS_MAIN(TestJournalSeance)
#include "tst_journalseance.moc"
