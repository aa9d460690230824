// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/unitesdate.h"
#include "lignes.h"

#include <QTest>

using namespace orvaline;
using test::ligne;

namespace {

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
        ligne("même jour", QDate(2024, 5, 15), QDate(2024, 5, 15));
        ligne("29 février", QDate(2024, 2, 28), QDate(2024, 3, 1));
        ligne("fin d'année", QDate(2023, 12, 31), QDate(2024, 1, 1));
        ligne("fin de trimestre", QDate(2024, 3, 31), QDate(2024, 4, 1));
        ligne("samedi au dimanche", QDate(2024, 1, 6), QDate(2024, 1, 7));
        ligne("dimanche au samedi", QDate(2024, 1, 7), QDate(2024, 1, 13));
        ligne("à rebours sur deux mois", QDate(2024, 3, 1), QDate(2024, 1, 1));
        ligne("à rebours plusieurs années", QDate(2028, 2, 29), QDate(2019, 8, 17));
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
