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

// Zero parts are left out. A sign carries over to the parts after it, so it is written only
// where it changes: "−35 ans, 11 mois et 21 jours", "1 an et −3 jours", "−1 mois et +2 jours".
QString ecrireParties(const Parties& p) {
    struct Morceau {
        qint64 valeur;
        const char16_t* singulier;
        const char16_t* pluriel;
    };
    const Morceau morceaux[] = {{p.ans, u"an", u"ans"},
                                {p.mois, u"mois", u"mois"},
                                {p.semaines, u"semaine", u"semaines"},
                                {p.jours, u"jour", u"jours"}};
    QStringList l;
    bool enArriere = false; // the sign carried so far
    for (const Morceau& m : morceaux) {
        if (m.valeur == 0) continue;
        QString signe;
        if ((m.valeur < 0) != enArriere) {
            enArriere = m.valeur < 0;
            signe = enArriere ? QString(moins) : QStringLiteral("+");
        }
        l << signe + partie(m.valeur < 0 ? -m.valeur : m.valeur, m.singulier, m.pluriel);
    }
    if (l.isEmpty()) return partie(0, u"jour", u"jours");
    return enumerer(l);
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

bool estChiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The calendar's span: no part of an increment that moves a date and stays in it is longer.
constexpr qint64 moisCalendrier = qint64(anneeMax - anneeMin) * 12 + 11;
const qint64 joursCalendrier = QDate(anneeMin, 1, 1).daysTo(QDate(anneeMax, 12, 31));

bool estSigne(QChar c) {
    return c == u'+' || c == u'-' || c == moins || c == u'\u2013';
}

} // namespace

EcartMoisJours ecartMoisJours(QDate debut, QDate fin) {
    EcartMoisJours e;
    e.negatif = fin < debut;
    // The month count of the calendar, one less when the start moved by it passes the end.
    qint64 mois = rangMois(fin) - rangMois(debut);
    const QDate arrivee = debut.addMonths(int(mois));
    if (e.negatif ? arrivee < fin : arrivee > fin) mois += e.negatif ? 1 : -1;
    e.mois = qint32(mois < 0 ? -mois : mois);
    const qint64 jours = debut.addMonths(int(mois)).daysTo(fin);
    e.jours = qint32(jours < 0 ? -jours : jours);
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

LectureIncrement lectureIncrementExact(QStringView texte) {
    const LectureIncrement illisible{std::nullopt, RefusIncrement::Illisible};
    const LectureIncrement horsCalendrier{std::nullopt, RefusIncrement::HorsCalendrier};
    IncrementExact inc;
    qint64 signe = 1;
    bool signeEnAttente = false; // a sign not yet followed by its number
    qint64 nombre = 0;
    bool nombreEnAttente = false; // a number not yet followed by its unit
    bool etEnAttente = false;     // an "et" not yet followed by its part
    bool unePartie = false;
    bool tropGrand = false;

    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n) {
        const QChar c = texte[i];
        if (c.isSpace() || c == u',' || c == u';') {
            ++i;
        } else if (estSigne(c)) {
            if (signeEnAttente || nombreEnAttente) return illisible;
            signe = c == u'+' ? 1 : -1;
            signeEnAttente = true;
            ++i;
        } else if (estChiffre(c)) {
            if (nombreEnAttente) return illisible;
            nombre = 0;
            for (; i < n && estChiffre(texte[i]); ++i) {
                nombre = nombre * 10 + texte[i].digitValue();
                // Longer than the calendar in any unit: refused once the text has read.
                if (nombre > joursCalendrier) {
                    tropGrand = true;
                    nombre = 0;
                }
            }
            nombreEnAttente = true;
            signeEnAttente = false;
            etEnAttente = false;
        } else if (c.isLetter()) {
            const qsizetype debut = i;
            while (i < n && texte[i].isLetter())
                ++i;
            if (i < n && texte[i] == u'.') ++i;
            const QString mot = texte.mid(debut, i - debut).toString();
            if (!nombreEnAttente) {
                // "et" only joins two parts.
                if (mot.compare(u"et", Qt::CaseInsensitive) == 0 && unePartie && !signeEnAttente &&
                    !etEnAttente) {
                    etEnAttente = true;
                    continue;
                }
                return illisible;
            }
            const auto unite = lireUnite(mot);
            if (!unite) return illisible;
            tropGrand = tropGrand || nombre * unite->mois > moisCalendrier ||
                        nombre * unite->jours > joursCalendrier;
            inc.mois += signe * nombre * unite->mois;
            inc.jours += signe * nombre * unite->jours;
            nombreEnAttente = false;
            unePartie = true;
        } else {
            return illisible;
        }
    }
    if (nombreEnAttente || signeEnAttente || etEnAttente || !unePartie) return illisible;
    if (tropGrand || std::llabs(inc.mois) > moisCalendrier ||
        std::llabs(inc.jours) > joursCalendrier)
        return horsCalendrier;
    return {inc, RefusIncrement::Illisible};
}

std::optional<IncrementExact> lireIncrementExact(QStringView texte) {
    return lectureIncrementExact(texte).increment;
}

std::optional<SorteIncrement> sorteDuPremierMot(QStringView texte) {
    for (qsizetype i = 0; i < texte.size();) {
        if (!texte[i].isLetter()) {
            ++i;
            continue;
        }
        const qsizetype debut = i;
        while (i < texte.size() && texte[i].isLetter())
            ++i;
        if (const auto unite = lireUnite(texte.mid(debut, i - debut).toString()))
            return unite->jours == 7 ? SorteIncrement::SemainesJours : SorteIncrement::AnsMoisJours;
    }
    return std::nullopt;
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
    const QDate d = depart.addMonths(int(inc.mois)).addDays(inc.jours);
    if (!d.isValid() || d.year() < anneeMin || d.year() > anneeMax) return std::nullopt;
    return d;
}

} // namespace orvaline
