// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/unitesdate.h"
#include "lignes.h"

#include <QTest>

using namespace orvaline;
using test::ligne;

namespace {

QDate lire(const char* texte) {
    return QDate::fromString(QString::fromLatin1(texte), QStringLiteral("dd/MM/yyyy"));
}

// Walks day by day from the earlier date to the later one and counts the days on which a
// boundary of the unit is crossed; the sign says which way the interval runs.
qint64 compterEnMarchant(QDate debut, QDate fin, UniteDate unite) {
    const bool arriere = fin < debut;
    QDate d = arriere ? fin : debut;
    const QDate terme = arriere ? debut : fin;
    qint64 n = 0;
    while (d < terme) {
        d = d.addDays(1);
        switch (unite) {
        case UniteDate::Heures:
            n += 24;
            break;
        case UniteDate::Jours:
        case UniteDate::AnsMoisJours:
        case UniteDate::SemainesJours:
            ++n;
            break;
        case UniteDate::Semaines:
            if (d.dayOfWeek() == Qt::Sunday) ++n;
            break;
        case UniteDate::Mois:
            if (d.day() == 1) ++n;
            break;
        case UniteDate::Trimestres:
            if (d.day() == 1 && (d.month() - 1) % 3 == 0) ++n;
            break;
        case UniteDate::Annees:
            if (d.day() == 1 && d.month() == 1) ++n;
            break;
        case UniteDate::JoursOuvres:
        case UniteDate::JoursOuvrables:
            if (estJourOuvre(d, {*sorteJours(unite), false})) ++n;
            break;
        }
    }
    return arriere ? -n : n;
}

} // namespace

class TestUnitesDate : public QObject {
    Q_OBJECT
private slots:
    // Every pair is counted in every unit against the day-by-day walk.
    void commeEnMarchant_data() {
        test::colonnes<QDate, QDate>({"debut", "fin"});
        ligne("même jour", lire("15/05/2024"), lire("15/05/2024"));
        ligne("29 février", lire("28/02/2024"), lire("01/03/2024"));
        ligne("fin d'année", lire("31/12/2023"), lire("01/01/2024"));
        ligne("fin de trimestre", lire("31/03/2024"), lire("01/04/2024"));
        ligne("samedi au dimanche", lire("06/01/2024"), lire("07/01/2024"));
        ligne("dimanche au samedi", lire("07/01/2024"), lire("13/01/2024"));
        ligne("à rebours sur deux mois", lire("01/03/2024"), lire("01/01/2024"));
        ligne("à rebours plusieurs années", lire("29/02/2028"), lire("17/08/2019"));
    }
    void commeEnMarchant() {
        QFETCH(QDate, debut);
        QFETCH(QDate, fin);
        for (const auto& u : tableUnites()) {
            const qint64 compte = compterIntervalle(debut, fin, u.unite);
            const qint64 attendu = compterEnMarchant(debut, fin, u.unite);
            QVERIFY2(compte == attendu, qPrintable(QStringLiteral("%1: %2 au lieu de %3")
                                                       .arg(u.texteLigne)
                                                       .arg(compte)
                                                       .arg(attendu)));
        }
    }

    // The whole range of dates still fits in 32 bits, hours included.
    void bornes_data() {
        test::colonnes<int, qint64>({"ligne", "attendu"});
        const qint64 jours = QDate(100, 1, 1).daysTo(QDate(9999, 12, 31));
        ligne("heures", 0, 24 * jours);
        ligne("jours", 1, jours);
        ligne("mois", 3, qint64(9899 * 12 + 11));
        ligne("années", 5, qint64(9899));
    }
    void bornes() {
        QFETCH(int, ligne);
        QFETCH(qint64, attendu);
        const UniteDate u = uniteDeLigne(ligne)->unite;
        QCOMPARE(qint64(compterIntervalle(QDate(100, 1, 1), QDate(9999, 12, 31), u)), attendu);
        QCOMPARE(qint64(compterIntervalle(QDate(9999, 12, 31), QDate(100, 1, 1), u)), -attendu);
    }
};

QTEST_APPLESS_MAIN(TestUnitesDate)
#include "tst_unitesdate.moc"
