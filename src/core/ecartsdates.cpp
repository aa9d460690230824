// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ecartsdates.h"

#include "core/textesdates.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace orvaline {

namespace {

constexpr QChar moins = u'\u2212'; // the typographic minus, as the results show it

qint64 rangMois(QDate d) {
    return qint64(d.year()) * 12 + d.month();
}

// "1 an", "2 ans": French takes the singular for 0 and 1.
QString partie(qint64 n, const char16_t* singulier, const char16_t* pluriel) {
    const qint64 absolu = n < 0 ? -n : n;
    return (n < 0 ? QString(moins) : QString()) + QString::number(absolu) + u' ' +
           QString::fromUtf16(absolu >= 2 ? pluriel : singulier);
}

// "a", "a et b", "a, b et c".
QString enumerer(const QStringList& parties) {
    if (parties.isEmpty()) return {};
    if (parties.size() == 1) return parties.first();
    return parties.mid(0, parties.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ") +
           parties.last();
}

struct Parties {
    qint64 ans = 0, mois = 0, semaines = 0, jours = 0;
};

// Zero parts are left out; a sign shared by every part is written once, in front.
QString ecrireParties(Parties p) {
    const qint64 valeurs[] = {p.ans, p.mois, p.semaines, p.jours};
    bool unPositif = false, unNegatif = false;
    for (qint64 v : valeurs) {
        unPositif = unPositif || v > 0;
        unNegatif = unNegatif || v < 0;
    }
    const bool signeCommun = unNegatif && !unPositif;
    if (signeCommun) p = {-p.ans, -p.mois, -p.semaines, -p.jours};
    QStringList l;
    if (p.ans != 0) l << partie(p.ans, u"an", u"ans");
    if (p.mois != 0) l << partie(p.mois, u"mois", u"mois");
    if (p.semaines != 0) l << partie(p.semaines, u"semaine", u"semaines");
    if (p.jours != 0) l << partie(p.jours, u"jour", u"jours");
    if (l.isEmpty()) return partie(0, u"jour", u"jours");
    return (signeCommun ? QString(moins) : QString()) + enumerer(l);
}

// What a unit word counts, as a number of months or of days.
struct Unite {
    qint64 mois = 0;
    qint64 jours = 0;
};

// A unit word, lower case, accents and a final dot dropped.
std::optional<Unite> lireUnite(QString mot) {
    mot = mot.normalized(QString::NormalizationForm_D);
    mot.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    mot = mot.toLower();
    if (mot.endsWith(u'.')) mot.chop(1);
    static const QStringList ans = {QStringLiteral("a"), QStringLiteral("an"),
                                    QStringLiteral("ans"), QStringLiteral("annee"),
                                    QStringLiteral("annees")};
    static const QStringList mois = {QStringLiteral("m"), QStringLiteral("mois")};
    static const QStringList semaines = {QStringLiteral("s"), QStringLiteral("sem"),
                                         QStringLiteral("sems"), QStringLiteral("semaine"),
                                         QStringLiteral("semaines")};
    static const QStringList jours = {QStringLiteral("j"), QStringLiteral("jr"),
                                      QStringLiteral("jrs"), QStringLiteral("jour"),
                                      QStringLiteral("jours")};
    if (ans.contains(mot)) return Unite{12, 0};
    if (mois.contains(mot)) return Unite{1, 0};
    if (semaines.contains(mot)) return Unite{0, 7};
    if (jours.contains(mot)) return Unite{0, 1};
    return std::nullopt;
}

bool estSigne(QChar c) {
    return c == u'+' || c == u'-' || c == moins || c == u'\u2013';
}

} // namespace

EcartMoisJours ecartMoisJours(QDate debut, QDate fin) {
    EcartMoisJours e;
    if (fin < debut) {
        std::swap(debut, fin);
        e.negatif = true;
    }
    // The month count of the calendar, one less when the day of the month is not reached yet.
    qint64 mois = rangMois(fin) - rangMois(debut);
    if (debut.addMonths(int(mois)) > fin) --mois;
    e.mois = qint32(mois);
    e.jours = qint32(debut.addMonths(int(mois)).daysTo(fin));
    return e;
}

EcartSemainesJours ecartSemainesJours(QDate debut, QDate fin) {
    const qint64 jours = debut.daysTo(fin);
    const qint64 absolu = jours < 0 ? -jours : jours;
    return {qint32(absolu / 7), qint32(absolu % 7), jours < 0};
}

QString texteAnsMoisJours(const EcartMoisJours& e) {
    const qint64 s = e.negatif ? -1 : 1;
    return ecrireParties({s * e.ans(), s * e.moisRestants(), 0, s * e.jours});
}

QString texteSemainesJours(const EcartSemainesJours& e) {
    const qint64 s = e.negatif ? -1 : 1;
    return ecrireParties({0, 0, s * e.semaines, s * e.jours});
}

QString texteJours(qint64 jours) {
    return partie(jours, u"jour", u"jours");
}

std::optional<IncrementExact> lireIncrementExact(QStringView texte) {
    IncrementExact inc;
    qint64 signe = 1;
    bool signeEnAttente = false; // a sign not yet followed by its number
    qint64 nombre = 0;
    bool nombreEnAttente = false; // a number not yet followed by its unit
    bool unePartie = false;
    // Beyond this every increment leaves the range of dates anyway; it keeps the sums small.
    constexpr qint64 plafond = 1'000'000'000;

    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n) {
        const QChar c = texte[i];
        if (c.isSpace() || c == u',' || c == u';') {
            ++i;
        } else if (estSigne(c)) {
            if (signeEnAttente || nombreEnAttente) return std::nullopt;
            signe = c == u'+' ? 1 : -1;
            signeEnAttente = true;
            ++i;
        } else if (c.isDigit()) {
            if (nombreEnAttente) return std::nullopt;
            nombre = 0;
            for (; i < n && texte[i].isDigit(); ++i)
                nombre = std::min(plafond, nombre * 10 + texte[i].digitValue());
            nombreEnAttente = true;
            signeEnAttente = false;
        } else if (c.isLetter()) {
            const qsizetype debut = i;
            while (i < n && texte[i].isLetter())
                ++i;
            if (i < n && texte[i] == u'.') ++i;
            const QString mot = texte.mid(debut, i - debut).toString();
            if (!nombreEnAttente) {
                // "et" only joins two parts.
                if (mot.compare(u"et", Qt::CaseInsensitive) == 0 && unePartie && !signeEnAttente)
                    continue;
                return std::nullopt;
            }
            const auto unite = lireUnite(mot);
            if (!unite) return std::nullopt;
            inc.mois += signe * nombre * unite->mois;
            inc.jours += signe * nombre * unite->jours;
            nombreEnAttente = false;
            unePartie = true;
        } else {
            return std::nullopt;
        }
    }
    if (nombreEnAttente || signeEnAttente || !unePartie) return std::nullopt;
    return inc;
}

QString texteIncrementExact(const IncrementExact& inc, bool enSemaines) {
    Parties p{inc.mois / 12, inc.mois % 12, 0, inc.jours};
    if (enSemaines) {
        p.semaines = inc.jours / 7;
        p.jours = inc.jours % 7;
    }
    return ecrireParties(p);
}

std::optional<QDate> ajouterIncrementExact(QDate depart, const IncrementExact& inc) {
    // Far enough to leave the range from any start; it keeps QDate's int arithmetic safe.
    constexpr qint64 moisMax = 12LL * (anneeMax + 1);
    constexpr qint64 joursMax = 366LL * (anneeMax + 1);
    if (std::llabs(inc.mois) > moisMax || std::llabs(inc.jours) > joursMax) return std::nullopt;
    const QDate d = inc.mois < 0 ? depart.addDays(inc.jours).addMonths(int(inc.mois))
                                 : depart.addMonths(int(inc.mois)).addDays(inc.jours);
    if (!d.isValid() || d.year() < anneeMin || d.year() > anneeMax) return std::nullopt;
    return d;
}

} // namespace orvaline
