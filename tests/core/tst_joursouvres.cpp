// SPDX-License-Identifier: GPL-3.0-or-later
// Holidays and working days, and the count of an interval in every unit of the list.
#include "core/joursouvres.h"
#include "core/unitesdate.h"
#include "lignes.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <limits>

using namespace orvaline;
using test::ligne;

namespace {

QDate lire(const char* texte) {
    return QDate::fromString(QString::fromLatin1(texte), QStringLiteral("dd/MM/yyyy"));
}

constexpr RegleJours ouvres{SorteJours::Ouvres, false};
constexpr RegleJours ouvrables{SorteJours::Ouvrables, false};
constexpr RegleJours ouvresAM{SorteJours::Ouvres, true};

// Walks from the earlier date to the later one, adding what each day passed counts; the sign
// says which way the interval runs.
template <typename F> qint64 compterEnMarchant(QDate debut, QDate fin, F compte) {
    const bool arriere = fin < debut;
    qint64 n = 0;
    for (QDate d = (arriere ? fin : debut).addDays(1); d <= (arriere ? debut : fin);
         d = d.addDays(1))
        n += compte(d);
    return arriere ? -n : n;
}

// What a day passed counts in a unit: the boundaries of the unit it crosses.
qint64 compteDuJour(QDate d, UniteDate unite) {
    switch (unite) {
    case UniteDate::Heures:
        return 24;
    case UniteDate::Jours:
    case UniteDate::AnsMoisJours:
    case UniteDate::SemainesJours:
        return 1;
    case UniteDate::Semaines:
        return d.dayOfWeek() == Qt::Sunday;
    case UniteDate::Mois:
        return d.day() == 1;
    case UniteDate::Trimestres:
        return d.day() == 1 && (d.month() - 1) % 3 == 0;
    case UniteDate::Annees:
        return d.day() == 1 && d.month() == 1;
    case UniteDate::JoursOuvres:
    case UniteDate::JoursOuvrables:
        return estJourOuvre(d, {*sorteJours(unite), false});
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(RegleJours)

class TestJoursOuvres : public QObject {
    Q_OBJECT
private slots:
    // Dates checked by hand against a printed calendar; `liste`, when given, is the line of the
    // holidays list, written the French way: lower case, "1er" for the first.
    void feries_data() {
        test::colonnes<QDate, bool, QString, QString>({"date", "alsace", "nom", "liste"});
        auto ligne = [](const char* date, bool alsace, const char* nom, const char* liste = "") {
            QTest::newRow(date) << lire(date) << alsace << QString::fromUtf8(nom)
                                << QString::fromUtf8(liste);
        };
        ligne("01/01/2026", false, "jour de l’An", "jeudi 1er janvier : jour de l’An");
        ligne("20/05/2024", false, "lundi de Pentecôte", "lundi 20 mai : lundi de Pentecôte");
        ligne("24/04/2000", false, "lundi de Pâques"); // Easter 2000: 23 April
        ligne("23/03/1818", false, "lundi de Pâques"); // the earliest Easter
        ligne("26/04/2038", false, "lundi de Pâques"); // the latest Easter
        ligne("01/05/2008", false, "fête du Travail et Ascension");
        ligne("29/03/2024", true, "Vendredi saint");
        ligne("29/03/2024", false, "");
        ligne("26/12/2024", true, "Saint-Étienne");
        ligne("26/12/2024", false, "");
        ligne("14/07/2024", false, "fête nationale");
        ligne("02/04/2024", false, "");
    }
    void feries() {
        QFETCH(QDate, date);
        QFETCH(bool, alsace);
        QFETCH(QString, liste);
        QTEST(nomFerie(date, alsace), "nom");
        if (liste.isEmpty()) return;
        const QList<JourFerie> feries = joursFeries(date.year(), alsace);
        const auto f = std::find_if(feries.begin(), feries.end(),
                                    [&](const JourFerie& j) { return j.date == date; });
        QVERIFY(f != feries.end());
        QCOMPARE(ligneFerie(*f), liste);
    }

    // The day a screen reader says in the calendar: the first of the month as "1er", the
    // holiday after a comma, Alsace-Moselle's only when asked for.
    void parlee_data() {
        test::colonnes<QDate, bool, QString>({"date", "alsace", "dit"});
        auto ligne = [](const char* date, bool alsace, const char* dit) {
            QTest::newRow(dit) << lire(date) << alsace << QString::fromUtf8(dit);
        };
        ligne("02/05/2026", false, "samedi 2 mai 2026");
        ligne("26/12/2024", true, "jeudi 26 décembre 2024, Saint-Étienne");
        ligne("26/12/2023", false, "mardi 26 décembre 2023");
    }
    void parlee() {
        QFETCH(QDate, date);
        QFETCH(bool, alsace);
        QTEST(dateParlee(date, alsace), "dit");
    }

    void ajout_data() {
        test::colonnes<QDate, qint64, RegleJours, QDate>({"debut", "n", "regle", "attendu"});
        auto ligne = [](const char* nom, const char* debut, qint64 n, RegleJours regle,
                        const char* attendu) {
            QTest::newRow(nom) << lire(debut) << n << regle << lire(attendu);
        };
        ligne("Noël puis 26/12 en Alsace", "22/12/2023", 1, ouvresAM, "27/12/2023");
        ligne("départ férié à rebours", "01/05/2024", -1, ouvres, "30/04/2024");
        ligne("lundi -1", "02/01/2024", -1, ouvres, "29/12/2023");
        ligne("zéro sur un dimanche", "07/01/2024", 0, ouvres, "07/01/2024");
        ligne("une année à rebours", "31/12/2024", -252, ouvres, "29/12/2023");
        ligne("au-delà de 9999", "31/12/9999", 1, ouvres, "");
        ligne("avant l'an 100", "04/01/0100", -1, ouvres, "");
        constexpr qint64 plusGrand = std::numeric_limits<qint64>::max();
        constexpr qint64 plusPetit = std::numeric_limits<qint64>::min();
        ligne("plus que les jours de la plage", "01/01/2024", 4'000'000, ouvres, "");
        ligne("plus grand compte", "01/01/2024", plusGrand, ouvres, "");
        ligne("plus petit compte", "01/01/2024", plusPetit, ouvres, "");
        ligne("plus petit compte depuis un férié", "01/05/2024", plusPetit + 1, ouvrables, "");
    }
    void ajout() {
        QFETCH(QDate, debut);
        QFETCH(qint64, n);
        QFETCH(RegleJours, regle);
        QTEST(ajouterJoursOuvres(debut, n, regle).value_or(QDate()), "attendu");
    }

    // Each count is also checked the other way round, negated.
    void compte_data() {
        test::colonnes<QDate, QDate, RegleJours, qint64>({"debut", "fin", "regle", "attendu"});
        auto ligne = [](const char* nom, const char* debut, const char* fin, RegleJours regle,
                        qint64 attendu) {
            QTest::newRow(nom) << lire(debut) << lire(fin) << regle << attendu;
        };
        ligne("11/11 un samedi", "10/11/2023", "13/11/2023", ouvrables, 1);
        ligne("2024 ouvrés", "31/12/2023", "31/12/2024", ouvres, 252);
        ligne("2024 ouvrables", "31/12/2023", "31/12/2024", ouvrables, 304);
        ligne("2024 en Alsace", "31/12/2023", "31/12/2024", ouvresAM, 250);
    }
    void compte() {
        QFETCH(QDate, debut);
        QFETCH(QDate, fin);
        QFETCH(RegleJours, regle);
        QFETCH(qint64, attendu);
        QCOMPARE(compterJoursOuvres(debut, fin, regle), attendu);
        QCOMPARE(compterJoursOuvres(fin, debut, regle), -attendu);
    }

    // Random ranges over the whole span of years: the direct count equals the walk, and
    // adding the count to the start lands on the last working day of the range.
    void hasard() {
        QRandomGenerator hasard(20240401);
        const qint64 premier = QDate(100, 1, 1).toJulianDay();
        const qint64 dernier = QDate(9999, 12, 31).toJulianDay();
        for (int i = 0; i < 400; ++i) {
            const QDate debut =
                QDate::fromJulianDay(premier + hasard.bounded(qint64(dernier - premier - 900)));
            const QDate fin = debut.addDays(hasard.bounded(-60, 900));
            const RegleJours regle{hasard.bounded(2) ? SorteJours::Ouvres : SorteJours::Ouvrables,
                                   hasard.bounded(2) == 1};
            const qint64 n = compterJoursOuvres(debut, fin, regle);
            QCOMPARE(
                n, compterEnMarchant(debut, fin, [&](QDate d) { return estJourOuvre(d, regle); }));
            if (n <= 0) continue;
            QDate dernierOuvre = fin;
            while (!estJourOuvre(dernierOuvre, regle))
                dernierOuvre = dernierOuvre.addDays(-1);
            QCOMPARE(ajouterJoursOuvres(debut, n, regle), std::optional(dernierOuvre));
        }
    }

    // A day-by-day walk over the whole range would take tens of milliseconds per call.
    void rapide() {
        const QDate premier(100, 1, 1), dernier(9999, 12, 31);
        QElapsedTimer chrono;
        chrono.start();
        qint64 n = 0;
        for (int i = 0; i < 100; ++i) {
            n = compterJoursOuvres(premier, dernier, ouvrables);
            QCOMPARE(ajouterJoursOuvres(premier, n, ouvrables), std::optional(dernier));
        }
        QVERIFY2(chrono.elapsed() < 100, qPrintable(QString::number(chrono.elapsed())));
    }

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
            const qint64 attendu =
                compterEnMarchant(debut, fin, [&](QDate d) { return compteDuJour(d, u.unite); });
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
        ligne("mois", 3, qint64(9899 * 12 + 11));
    }
    void bornes() {
        QFETCH(int, ligne);
        QFETCH(qint64, attendu);
        const UniteDate u = uniteDeLigne(ligne)->unite;
        QCOMPARE(qint64(compterIntervalle(QDate(100, 1, 1), QDate(9999, 12, 31), u)), attendu);
        QCOMPARE(qint64(compterIntervalle(QDate(9999, 12, 31), QDate(100, 1, 1), u)), -attendu);
    }
};

QTEST_APPLESS_MAIN(TestJoursOuvres)
#include "tst_joursouvres.moc"
