// SPDX-License-Identifier: GPL-3.0-or-later
// The run's journal: what it gives back, what it makes of bytes it did not write, where it
// lives on disk, who may read it and what a normal end leaves. The places where it cannot be
// written or read are tried from the window (tst_seance).
#include "core/journal.h"
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

// A run as a journal records it: each step's record and what the texts hold after it.
struct Pas {
    QByteArray enregistrement;
    ContenuJournal apres;
};

QList<Pas> seance() {
    QList<Pas> pas;
    ContenuJournal c;
    auto ajouter = [&](Releve r, const QString& t) {
        (r == Releve::Bande ? c.bande : c.historique) += t;
        pas.append({enregistrementAjout(r, t), c});
    };
    auto effacer = [&](Releve r) {
        (r == Releve::Bande ? c.bande : c.historique).clear();
        pas.append({enregistrementEffacement(r), c});
    };
    ajouter(Releve::Bande, u"\n 001 J  02:00:00 "_s);
    ajouter(Releve::Historique, u"\n DD : 31/01/2024\n Inc: 1 Mois\n DF : 29/02/2024\n"_s);
    ajouter(Releve::Bande, u"\n+ 000 J  00:30:00 \n= 001 J  02:30:00 \n"_s);
    effacer(Releve::Bande);
    // A record's own bytes may look like a record or a header: only the length counts.
    ajouter(Releve::Historique, u" Résultat : « 35 ans »\n0B 0 0000:\nOrvaline journal 1\n"_s);
    ajouter(Releve::Bande, u"\n x             2,5 "_s);
    return pas;
}

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
    // A journal cut at any byte, as a power cut may leave it: what was whole is given back,
    // nothing half-written and nothing twice.
    void couperPartout() {
        const QList<Pas> pas = seance();
        QByteArray octets = enteteJournal();
        QList<qsizetype> fins{octets.size()};
        for (const Pas& p : pas) {
            octets += p.enregistrement;
            fins << octets.size();
        }
        for (qsizetype n = fins.first(); n <= octets.size(); ++n) {
            const LectureJournal l = lireJournal(QByteArrayView(octets).first(n));
            const qsizetype entiers =
                std::count_if(fins.begin() + 1, fins.end(), [n](qsizetype f) { return f <= n; });
            const ContenuJournal attendu = entiers == 0 ? ContenuJournal{} : pas[entiers - 1].apres;
            QCOMPARE(l.contenu, attendu);
            QCOMPARE(int(l.etat), int(fins.contains(n) ? EtatJournal::Lu : EtatJournal::FinAbimee));
        }
    }

    void abime_data() {
        test::colonnes<QByteArray, int, QString>({"octets", "etat", "bande"});
        const QByteArray entete = enteteJournal();
        const QByteArray un = enregistrementAjout(Releve::Bande, u"\n 001 J  00:00:00 "_s);
        test::ligne("rien", QByteArray(), int(EtatJournal::Illisible), "");
        test::ligne("l'en-tête sans fin de ligne", entete.chopped(1), int(EtatJournal::Illisible),
                    "");
        test::ligne("une version suivante", QByteArray("Orvaline journal 2\n") + un,
                    int(EtatJournal::AutreVersion), "");
        test::ligne("une version qui n'en est pas une", QByteArray("Orvaline journal 1x\n") + un,
                    int(EtatJournal::Illisible), "");
        test::ligne("un octet changé dans le texte",
                    entete + un + QByteArray(un).replace("001", "002"), int(EtatJournal::FinAbimee),
                    "\n 001 J  00:00:00 ");
        test::ligne("une fin remplie de zéros", entete + un + QByteArray(64, '\0'),
                    int(EtatJournal::FinAbimee), "\n 001 J  00:00:00 ");
        test::ligne("une longueur démesurée", entete + "+B 99999999999999999999 0000:x\n",
                    int(EtatJournal::FinAbimee), "");
        test::ligne("un effacement qui porte un texte", entete + un + "0B 1 0000:x\n",
                    int(EtatJournal::FinAbimee), "\n 001 J  00:00:00 ");
    }
    void abime() {
        QFETCH(QByteArray, octets);
        const LectureJournal l = lireJournal(octets);
        QTEST(int(l.etat), "etat");
        QTEST(l.contenu.bande, "bande");
    }

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
