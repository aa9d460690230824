// SPDX-License-Identifier: GPL-3.0-or-later
// A run killed with SIGKILL at random moments, 50 times over: each time the next start,
// answered Oui, shows the tape and the history exactly as they were shown before the kill;
// nothing lost and nothing twice. The run is this program started again with --enfant, typing
// as a user would and telling after each calculation what its boxes show.
#include "faux.h"
#include "fichierstest.h"
#include "shared/libcalc.h"
#include "windows/main/fenetreprincipale.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace orvaline;
using namespace Qt::StringLiterals;

namespace {

struct Textes {
    QString bande, historique;
    friend bool operator==(const Textes&, const Textes&) = default;
};

// Whether `b` goes on from `a`: each of its texts begins with the same text of `a` (an empty
// text begins even a null one, which startsWith denies).
bool debut(const Textes& a, const Textes& b) {
    auto commence = [](const QString& t, const QString& d) {
        return d.size() <= t.size() && QStringView(t).first(d.size()) == d;
    };
    return commence(b.bande, a.bande) && commence(b.historique, a.historique);
}

Textes operator+(const Textes& a, const Textes& b) {
    return {a.bande + b.bande, a.historique + b.historique};
}

QByteArray ligne(const char* quoi, const Textes& t) {
    return QByteArray(quoi) + ' ' + t.bande.toUtf8().toBase64() + ' ' +
           t.historique.toUtf8().toBase64() + '\n';
}

// ---- The run that gets killed ----

Textes vu(const QWidget* f) {
    return {test::enfant<QPlainTextEdit>(f, u"sais_histo(1)"_s)->toPlainText(),
            test::enfant<QPlainTextEdit>(f, u"sais_histo(2)"_s)->toPlainText()};
}

// Calculation k: a sum on the tape when k is odd, a date on the history otherwise. The fields
// are cleared first, so that each calculation prints the same lines whatever came before it.
void calculer(QWidget* f, int k) {
    if (k % 2 == 1) {
        QTest::keyClick(f, Qt::Key_F2);
        test::cliquer(f, u"com_clear(1)"_s);
        test::retaper(f, u"sais_time(2)"_s, QString::number(k % 24));
        test::cliquer(f, u"com_oper(1)"_s);
        test::retaper(f, u"sais_time(3)"_s, QString::number(k % 60));
        test::cliquer(f, u"com_oper(5)"_s);
    } else {
        QTest::keyClick(f, Qt::Key_F3);
        test::retaper(f, u"sais_date(1)"_s, u"%1/03/2024"_s.arg(k % 28 + 1, 2, 10, QChar(u'0')));
        test::retaper(f, u"sais_increment"_s, QString::number(k));
        test::cliquer(f, u"com_date"_s);
    }
}

// Prints what the start took up, then after each calculation what is shown. After `fin`
// calculations the run ends normally, or waits to be killed.
int enfant(const QString& dossier, bool repondreOui, int fin, bool attendre) {
    test::installerFaux();
    qputenv("XDG_STATE_HOME", QFile::encodeName(dossier + u"/etat"_s));
    libcalc().chemin_appli = dossier;
    if (repondreOui) test::repondreAuProchainModal(u"Oui"_s);
    FenetrePrincipale fenetre;
    fenetre.charger();
    fenetre.show();
    QApplication::setActiveWindow(&fenetre);
    if (!QTest::qWaitForWindowActive(&fenetre)) return 3;
    auto dire = [&](const char* quoi) {
        std::fputs(ligne(quoi, vu(&fenetre)).constData(), stdout);
        std::fflush(stdout);
    };
    dire("REPRIS");
    for (int k = 1; k <= fin; ++k) {
        calculer(&fenetre, k);
        dire("VU");
    }
    return attendre ? QApplication::exec() : 0;
}

// ---- The test that kills it ----

// The child's next whole line, or nothing once the time is up.
std::optional<std::pair<QByteArray, Textes>> suivante(QProcess& p, int delaiMs) {
    const QDeadlineTimer fin(delaiMs);
    while (!p.canReadLine())
        if (!p.waitForReadyRead(int(fin.remainingTime())) && !p.canReadLine()) return std::nullopt;
    const QList<QByteArray> m = p.readLine().chopped(1).split(' ');
    if (m.size() != 3) return std::nullopt;
    return std::pair{m[0], Textes{QString::fromUtf8(QByteArray::fromBase64(m[1])),
                                  QString::fromUtf8(QByteArray::fromBase64(m[2]))}};
}

} // namespace

class TestCoupure : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;
    QList<Textes> m_ajouts; // what calculation k adds, at m_ajouts[k]

    static constexpr int calculs = 120;

    void lancer(QProcess& p, bool oui, bool attendre) {
        p.setProgram(QCoreApplication::applicationFilePath());
        p.setArguments({u"--enfant"_s, m_dossier.path(), oui ? u"oui"_s : u"non"_s,
                        QString::number(calculs), attendre ? u"attendre"_s : u"finir"_s});
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start();
        QVERIFY(p.waitForStarted());
    }

private slots:
    void initTestCase() {
        QVERIFY(test::ecrire(m_dossier.filePath(u"Orvaline.ini"_s),
                             "[Options]\r\nSaisdate=0\r\nSaisnombre=0\r\n"));
        // A run to the end, once: what each calculation adds to the boxes.
        QProcess p;
        lancer(p, false, false);
        auto l = suivante(p, 20000);
        QVERIFY(l && l->first == "REPRIS" && l->second == Textes{});
        Textes avant;
        m_ajouts << Textes{};
        while ((l = suivante(p, 20000))) {
            QVERIFY(debut(avant, l->second));
            m_ajouts << Textes{l->second.bande.sliced(avant.bande.size()),
                               l->second.historique.sliced(avant.historique.size())};
            avant = l->second;
        }
        QVERIFY(p.state() == QProcess::NotRunning || p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(m_ajouts.size(), calculs + 1);
        QVERIFY(!m_ajouts[1].bande.isEmpty() && !m_ajouts[2].historique.isEmpty());
        // A normal end leaves no journal.
        QVERIFY(!QFileInfo::exists(m_dossier.filePath(u"etat/Orvaline/journal"_s)));
    }

    void tueAuHasard() {
        QRandomGenerator hasard(29);
        Textes montre;   // what the last run showed before it was killed
        int enCours = 0; // the calculation it may have been in when killed
        int calculsVus = 0, enVol = 0;
        QElapsedTimer chrono;
        chrono.start();
        for (int tour = 0; tour < 50; ++tour) {
            QProcess p;
            lancer(p, tour > 0, true);
            auto l = suivante(p, 20000);
            QVERIFY2(l && l->first == "REPRIS", qPrintable(u"tour %1"_s.arg(tour)));
            // Nothing lost, nothing twice: the whole shown state, and of the calculation under
            // way when the kill fell, the lines it had printed already (a sum prints its first
            // operand at "+", the rest at "=").
            const Textes repris = l->second;
            const Textes auPlus = montre + m_ajouts.value(enCours);
            QVERIFY2(debut(montre, repris) && debut(repris, auPlus),
                     qPrintable(u"tour %1 : repris %2 / %3 caractères, montré %4 / %5"_s.arg(tour)
                                    .arg(repris.bande.size())
                                    .arg(repris.historique.size())
                                    .arg(montre.bande.size())
                                    .arg(montre.historique.size())));
            if (repris != montre) ++enVol;
            montre = repris;
            enCours = 1;
            QElapsedTimer attente;
            attente.start();
            const int delai = int(hasard.bounded(0, 120));
            while (attente.elapsed() < delai) {
                l = suivante(p, int(delai - attente.elapsed()));
                if (!l) break;
                QCOMPARE(l->first, QByteArray("VU"));
                QCOMPARE(l->second, montre + m_ajouts[enCours]);
                montre = l->second;
                ++enCours;
                ++calculsVus;
            }
            p.kill();
            QVERIFY(p.state() == QProcess::NotRunning || p.waitForFinished());
            // Reports that were already on their way were shown before the kill.
            while ((l = suivante(p, 0))) {
                QCOMPARE(l->second, montre + m_ajouts[enCours]);
                montre = l->second;
                ++enCours;
            }
        }
        qInfo("50 coupures en %lld ms : %d calculs montrés, %d repris au milieu d'un calcul",
              chrono.elapsed(), calculsVus, enVol);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 6 && QByteArrayView(argv[1]) == "--enfant")
        return enfant(QString::fromLocal8Bit(argv[2]), QByteArrayView(argv[3]) == "oui",
                      QByteArray(argv[4]).toInt(), QByteArrayView(argv[5]) == "attendre");
    TestCoupure test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_coupure.moc"
