// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/unitesdate.h"

namespace orvaline {

namespace {

// Sundays from a fixed origin up to and including the date. Julian day numbers that are
// multiples of 7 fall on Mondays, so (jd + 1) / 7 steps up on each Sunday.
qint64 dimanchesJusqua(QDate date) {
    const qint64 jd = date.toJulianDay() + 1;
    return jd >= 0 ? jd / 7 : -((-jd + 6) / 7);
}

qint64 rangMois(QDate d) {
    return qint64(d.year()) * 12 + d.month();
}

qint64 rangTrimestre(QDate d) {
    return qint64(d.year()) * 4 + (d.month() - 1) / 3 + 1;
}

} // namespace

const std::array<DescriptionUnite, 10>& tableUnites() {
    static const std::array<DescriptionUnite, 10> table = {{
        {UniteDate::Heures, QStringLiteral("Heures"), QStringLiteral("h"), QStringLiteral("H")},
        {UniteDate::Jours, QStringLiteral("Jours"), QStringLiteral("d"), QStringLiteral("J")},
        {UniteDate::Semaines, QStringLiteral("Semaines"), QStringLiteral("ww"),
         QStringLiteral("Sem.")},
        {UniteDate::Mois, QStringLiteral("Mois"), QStringLiteral("m"), QStringLiteral("Mois")},
        {UniteDate::Trimestres, QStringLiteral("Trimestres"), QStringLiteral("q"),
         QStringLiteral("Tr.")},
        {UniteDate::Annees, QStringLiteral("Années"), QStringLiteral("yyyy"),
         QStringLiteral("Ans")},
        // Working days are stepped by their own routine, never by a date step: no code. Their
        // rows are cut short too, to read whole in the list.
        {UniteDate::JoursOuvres, QStringLiteral("J. ouvrés"), QString(),
         QStringLiteral("J. ouvrés")},
        {UniteDate::JoursOuvrables, QStringLiteral("J. ouvrables"), QString(),
         QStringLiteral("J. ouvrables")},
        // Exact differences write their own texts: no code, no label. Their rows are cut short
        // to read whole in the list.
        {UniteDate::AnsMoisJours, QStringLiteral("Ans, mois, j."), QString(), QString()},
        {UniteDate::SemainesJours, QStringLiteral("Semaines, j."), QString(), QString()},
    }};
    return table;
}

const DescriptionUnite* uniteDeLigne(int ligne) {
    const auto& table = tableUnites();
    if (ligne < 0 || ligne >= int(table.size())) return nullptr;
    return &table[std::size_t(ligne)];
}

QString texteLong(const DescriptionUnite& unite) {
    if (unite.unite == UniteDate::JoursOuvres) return QStringLiteral("Jours ouvrés");
    if (unite.unite == UniteDate::JoursOuvrables) return QStringLiteral("Jours ouvrables");
    if (unite.unite == UniteDate::AnsMoisJours) return QStringLiteral("Ans, mois, jours");
    if (unite.unite == UniteDate::SemainesJours) return QStringLiteral("Semaines, jours");
    return unite.texteLigne;
}

bool estEcartExact(UniteDate unite) {
    return unite == UniteDate::AnsMoisJours || unite == UniteDate::SemainesJours;
}

std::optional<SorteJours> sorteJours(UniteDate unite) {
    if (unite == UniteDate::JoursOuvres) return SorteJours::Ouvres;
    if (unite == UniteDate::JoursOuvrables) return SorteJours::Ouvrables;
    return std::nullopt;
}

qint32 compterIntervalle(QDate debut, QDate fin, UniteDate unite, bool alsacemoselle) {
    qint64 n = 0;
    switch (unite) {
    case UniteDate::Heures:
        n = 24 * debut.daysTo(fin);
        break;
    case UniteDate::Jours:
    case UniteDate::AnsMoisJours:
    case UniteDate::SemainesJours:
        n = debut.daysTo(fin);
        break;
    case UniteDate::Semaines:
        // Counted from the earlier date either way, then signed: the difference of the two
        // running counts gives exactly that.
        n = dimanchesJusqua(fin) - dimanchesJusqua(debut);
        break;
    case UniteDate::Mois:
        n = rangMois(fin) - rangMois(debut);
        break;
    case UniteDate::Trimestres:
        n = rangTrimestre(fin) - rangTrimestre(debut);
        break;
    case UniteDate::Annees:
        n = qint64(fin.year()) - debut.year();
        break;
    case UniteDate::JoursOuvres:
    case UniteDate::JoursOuvrables:
        n = compterJoursOuvres(debut, fin, {*sorteJours(unite), alsacemoselle});
        break;
    }
    return qint32(n);
}

} // namespace orvaline
