// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/joursouvres.h"

#include "core/textesdates.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace orvaline {

namespace {

enum Nom {
    JourDeLAn,
    VendrediSaint,
    LundiDePaques,
    FeteDuTravail,
    Victoire1945,
    Ascension,
    LundiDePentecote,
    FeteNationale,
    Assomption,
    Toussaint,
    Armistice1918,
    Noel,
    SaintEtienne,
    NombreNoms
};

QString texteNom(int nom) {
    static const std::array<QString, NombreNoms> noms = {
        // As they stand inside a sentence; a line that opens with one capitalises it.
        QStringLiteral("jour de l’An"),       QStringLiteral("Vendredi saint"),
        QStringLiteral("lundi de Pâques"),    QStringLiteral("fête du Travail"),
        QStringLiteral("Victoire 1945"),      QStringLiteral("Ascension"),
        QStringLiteral("lundi de Pentecôte"), QStringLiteral("fête nationale"),
        QStringLiteral("Assomption"),         QStringLiteral("Toussaint"),
        QStringLiteral("Armistice 1918"),     QStringLiteral("Noël"),
        QStringLiteral("Saint-Étienne"),
    };
    return noms[std::size_t(nom)];
}

// Julian day number of a Gregorian date, as QDate counts it, without QDate's checks: the
// yearly table below needs some 130 000 of them.
constexpr qint64 jourJulien(qint64 a, int m, int j) {
    const qint64 decalage = (14 - m) / 12;
    const qint64 aa = a + 4800 - decalage;
    const qint64 mm = m + 12 * decalage - 3;
    return j + (153 * mm + 2) / 5 + 365 * aa + aa / 4 - aa / 100 + aa / 400 - 32045;
}

// Day of week from a Julian day number: 0 for Monday .. 6 for Sunday.
constexpr int rangSemaine(qint64 jj) {
    return int(jj % 7);
}

constexpr qint64 paquesJulien(int annee) {
    const int a = annee % 19, b = annee / 100, c = annee % 100;
    const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return jourJulien(annee, n / 31, n % 31 + 1);
}

struct Ferie {
    qint64 jj = 0;
    int nom = 0;
};

struct FeriesAnnee {
    std::array<Ferie, NombreNoms> liste{};
    int nombre = 0;
};

// The holidays of a year in date order (Ascension is never before 30 April, so it only has
// to be placed among the May holidays).
FeriesAnnee feriesAnnee(int annee, bool alsacemoselle) {
    FeriesAnnee r;
    auto ajouter = [&r](qint64 jj, int nom) { r.liste[std::size_t(r.nombre++)] = {jj, nom}; };
    const qint64 paques = paquesJulien(annee);
    ajouter(jourJulien(annee, 1, 1), JourDeLAn);
    if (alsacemoselle) ajouter(paques - 2, VendrediSaint);
    ajouter(paques + 1, LundiDePaques);
    ajouter(jourJulien(annee, 5, 1), FeteDuTravail);
    ajouter(jourJulien(annee, 5, 8), Victoire1945);
    ajouter(paques + 39, Ascension);
    ajouter(paques + 50, LundiDePentecote);
    ajouter(jourJulien(annee, 7, 14), FeteNationale);
    ajouter(jourJulien(annee, 8, 15), Assomption);
    ajouter(jourJulien(annee, 11, 1), Toussaint);
    ajouter(jourJulien(annee, 11, 11), Armistice1918);
    ajouter(jourJulien(annee, 12, 25), Noel);
    if (alsacemoselle) ajouter(jourJulien(annee, 12, 26), SaintEtienne);
    // Only Ascension can be out of place; an insertion keeps holidays of one date in order.
    for (int i = 1; i < r.nombre; ++i)
        for (int j = i; j > 0 && r.liste[std::size_t(j)].jj < r.liste[std::size_t(j - 1)].jj; --j)
            std::swap(r.liste[std::size_t(j)], r.liste[std::size_t(j - 1)]);
    return r;
}

// The same count as feriesOuvresJusqua over a whole year, from the day of the week of each
// fixed holiday: the moving ones always fall on a Monday, Thursday or Friday, and Ascension
// only ever shares its date with 1 or 8 May.
constexpr int feriesOuvresAnnee(int annee, int parSemaine, bool alsacemoselle) {
    const qint64 premier = jourJulien(annee, 1, 1);
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    const int mars = bissextile ? 1 : 0;
    auto ouvre = [&](int rang) { return rangSemaine(premier + rang) < parSemaine ? 1 : 0; };
    int n = ouvre(0) + ouvre(120 + mars) + ouvre(127 + mars) + ouvre(194 + mars) +
            ouvre(226 + mars) + ouvre(304 + mars) + ouvre(314 + mars) + ouvre(358 + mars) + 3;
    if (alsacemoselle) n += ouvre(359 + mars) + 1;
    const qint64 ascension = paquesJulien(annee) + 39;
    if (ascension == premier + 120 + mars || ascension == premier + 127 + mars) --n;
    return n;
}

int joursParSemaine(SorteJours sorte) {
    return sorte == SorteJours::Ouvres ? 5 : 6;
}

// Holidays of the year that fall on a working day of the week, up to and including jj;
// a date shared by two holidays counts once.
int feriesOuvresJusqua(const FeriesAnnee& f, qint64 jj, int parSemaine) {
    int n = 0;
    for (int i = 0; i < f.nombre; ++i) {
        const qint64 jour = f.liste[std::size_t(i)].jj;
        if (jour > jj) break;
        if (rangSemaine(jour) < parSemaine && (i == 0 || f.liste[std::size_t(i - 1)].jj != jour))
            ++n;
    }
    return n;
}

constexpr int premiereAnnee = anneeMin;
constexpr int nombreAnnees = anneeMax - anneeMin + 1;

using TableFeries = std::array<std::array<qint32, nombreAnnees>, 4>;

// For each rule (working week of 5 or 6 days, with or without Alsace-Moselle), the holidays
// on working days of all the years before a given year. Built by the compiler, so that no
// count ever walks through the years.
constexpr TableFeries construireTable() {
    TableFeries t{};
    for (int v = 0; v < 4; ++v) {
        qint32 total = 0;
        for (int a = 0; a < nombreAnnees; ++a) {
            t[std::size_t(v)][std::size_t(a)] = total;
            total += feriesOuvresAnnee(premiereAnnee + a, 5 + v / 2, v % 2 != 0);
        }
    }
    return t;
}

constexpr TableFeries tableFeries = construireTable();

qint32 feriesAvant(RegleJours regle, int annee) {
    const int v = (regle.sorte == SorteJours::Ouvrables ? 2 : 0) + (regle.alsacemoselle ? 1 : 0);
    return tableFeries[std::size_t(v)][std::size_t(annee - premiereAnnee)];
}

// Holidays on working days from the first year up to and including jj.
qint64 feriesJusqua(qint64 jj, RegleJours regle) {
    const int annee = QDate::fromJulianDay(jj).year();
    return feriesAvant(regle, annee) + feriesOuvresJusqua(feriesAnnee(annee, regle.alsacemoselle),
                                                          jj, joursParSemaine(regle.sorte));
}

// Days of the working week up to and including jj, counted from a fixed Monday.
qint64 joursSemaineJusqua(qint64 jj, int parSemaine) {
    return jj / 7 * parSemaine + std::min(rangSemaine(jj) + 1, parSemaine);
}

// The day of the working week whose running count is v.
qint64 jourSemaineNumero(qint64 v, int parSemaine) {
    return (v - 1) / parSemaine * 7 + (v - 1) % parSemaine;
}

// Working days up to and including jj.
qint64 ouvresJusqua(qint64 jj, RegleJours regle) {
    return joursSemaineJusqua(jj, joursParSemaine(regle.sorte)) - feriesJusqua(jj, regle);
}

const qint64 jjMin = jourJulien(anneeMin, 1, 1);
const qint64 jjMax = jourJulien(anneeMax, 12, 31);

} // namespace

QDate paques(int annee) {
    return QDate::fromJulianDay(paquesJulien(annee));
}

QList<JourFerie> joursFeries(int annee, bool alsacemoselle) {
    const FeriesAnnee f = feriesAnnee(annee, alsacemoselle);
    QList<JourFerie> liste;
    for (int i = 0; i < f.nombre; ++i)
        liste.append({QDate::fromJulianDay(f.liste[std::size_t(i)].jj),
                      texteNom(f.liste[std::size_t(i)].nom)});
    return liste;
}

QString nomFerie(QDate date, bool alsacemoselle) {
    if (!date.isValid()) return {};
    QStringList noms;
    for (const JourFerie& f : joursFeries(date.year(), alsacemoselle))
        if (f.date == date) noms.append(f.nom);
    return noms.join(QStringLiteral(" et "));
}

QString majusculeInitiale(const QString& texte) {
    return texte.isEmpty() ? texte : texte.left(1).toUpper() + texte.mid(1);
}

namespace {
// "vendredi 1er mai", as a French sentence writes a day.
QString jourEcrit(QDate d) {
    const QString jour = d.day() == 1 ? QStringLiteral("1er") : QString::number(d.day());
    return nomJour(d.dayOfWeek()).toLower() + u' ' + jour + u' ' + nomMois(d.month()).toLower();
}
} // namespace

QString ligneFerie(const JourFerie& ferie) {
    return jourEcrit(ferie.date) + QStringLiteral(" : ") + ferie.nom;
}

QString dateParlee(QDate date, bool alsacemoselle) {
    if (!date.isValid()) return {};
    const QString ferie = nomFerie(date, alsacemoselle);
    return jourEcrit(date) + u' ' + QString::number(date.year()) +
           (ferie.isEmpty() ? QString() : QStringLiteral(", ") + ferie);
}

bool estJourOuvre(QDate date, RegleJours regle) {
    const qint64 jj = date.toJulianDay();
    if (rangSemaine(jj) >= joursParSemaine(regle.sorte)) return false;
    const FeriesAnnee f = feriesAnnee(date.year(), regle.alsacemoselle);
    return std::none_of(f.liste.begin(), f.liste.begin() + f.nombre,
                        [jj](const Ferie& x) { return x.jj == jj; });
}

std::optional<QDate> ajouterJoursOuvres(QDate debut, qint64 n, RegleJours regle) {
    if (n == 0) return debut;
    // No answer lies further off than the whole calendar in days; a larger count would
    // overflow the running counts below.
    if (n > jjMax - jjMin || n < jjMin - jjMax) return std::nullopt;
    const int parSemaine = joursParSemaine(regle.sorte);
    const qint64 depart = debut.toJulianDay();
    // The running count of working days that the answer carries.
    const qint64 cible =
        n > 0 ? ouvresJusqua(depart, regle) + n
              : ouvresJusqua(depart, regle) - (estJourOuvre(debut, regle) ? 1 : 0) + n + 1;
    // Guess the holidays before the answer, place the day of the working week that the guess
    // gives, count the holidays up to it, and again until the guess holds. Going forward the
    // guess only grows and never passes the answer; going back it only shrinks, and the day
    // it settles on may be a holiday just after the answer.
    qint64 feries = feriesJusqua(depart, regle);
    qint64 jj = depart;
    for (int tour = 0; tour < 64; ++tour) {
        jj = jourSemaineNumero(cible + feries, parSemaine);
        if (jj < jjMin || jj > jjMax) return std::nullopt;
        const qint64 compte = feriesJusqua(jj, regle);
        if (compte == feries) break;
        feries = compte;
    }
    QDate resultat = QDate::fromJulianDay(jj);
    while (!estJourOuvre(resultat, regle)) {
        resultat = resultat.addDays(-1);
        if (resultat.toJulianDay() < jjMin) return std::nullopt;
    }
    return resultat;
}

qint64 compterJoursOuvres(QDate debut, QDate fin, RegleJours regle) {
    return ouvresJusqua(fin.toJulianDay(), regle) - ouvresJusqua(debut.toJulianDay(), regle);
}

} // namespace orvaline
