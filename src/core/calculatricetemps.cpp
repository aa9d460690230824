// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculatricetemps.h"

#include "core/historique.h"
#include "core/nombres.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace orvaline {

namespace {

const QString& zero() {
    static const QString texte = QStringLiteral("0");
    return texte;
}

bool dans32Bits(qint64 valeur) {
    return valeur >= std::numeric_limits<qint32>::min() &&
           valeur <= std::numeric_limits<qint32>::max();
}

// Seconds of a duration, summed in this order in double precision so that fractional parts
// add up before rounding.
std::optional<qint32> secondes(double jo, double hr, double mn, double se) {
    return versEntier32(60.0 * mn + se + 3600.0 * hr + 86400.0 * jo);
}

std::optional<qint32> lireArrondi(const QString& texte) {
    return versEntier32(lireNombre(texte.trimmed()));
}

Reponse focusSur(int index) {
    Reponse r;
    r.focus = index;
    return r;
}

// A field too long for a double reads as an infinity: that is an overflow, and no such
// value may reach the tape.
bool finis(std::initializer_list<double> valeurs) {
    for (double v : valeurs)
        if (!std::isfinite(v)) return false;
    return true;
}

Reponse depassement() {
    Reponse r;
    r.erreur = erreurs::depassement();
    return r;
}

} // namespace

QString symbole(Operation operation) {
    switch (operation) {
    case Operation::Plus:
        return QStringLiteral("+");
    case Operation::Moins:
        return QStringLiteral("-");
    case Operation::Multiplier:
        return QStringLiteral("x");
    case Operation::Diviser:
        return QStringLiteral("/");
    case Operation::Aucune:
        break;
    }
    return {};
}

void remplacervirgule(QString& texte) {
    const qsizetype position = texte.indexOf(u',');
    if (position >= 0) texte[position] = u'.';
}

CalculatriceTemps::CalculatriceTemps() {
    m_sais_time.fill(zero());
}

bool CalculatriceTemps::modeNombre() const {
    return m_operation == Operation::Multiplier || m_operation == Operation::Diviser;
}

const QString& CalculatriceTemps::libelles(int index) const {
    static const std::array<QString, 5> textes = {
        QStringLiteral("Jours"), QStringLiteral("Heures"), QStringLiteral("Minutes"),
        QStringLiteral("Secondes"), QStringLiteral("Nombre")};
    if (index == 4 && modeNombre()) return textes[4];
    return textes.at(index - 1);
}

Reponse CalculatriceTemps::com_oper(int index, QChar symboleDecimal) {
    switch (index) {
    case 1:
        return operateur(Operation::Plus, symboleDecimal);
    case 2:
        return operateur(Operation::Moins, symboleDecimal);
    case 3:
        return operateur(Operation::Multiplier, symboleDecimal);
    case 4:
        return operateur(Operation::Diviser, symboleDecimal);
    case 5:
        return egal(symboleDecimal);
    default:
        return {};
    }
}

Reponse CalculatriceTemps::operateur(Operation operation, QChar symboleDecimal) {
    if (m_operation == operation) return {};
    // A different operator while one is pending does not compute: the fields as they stand
    // replace the stored operand.
    std::array<double, 4> valeurs{};
    for (int i = 0; i < 4; ++i)
        valeurs[i] = lireNombre(m_sais_time[i]);
    if (!finis({valeurs[0], valeurs[1], valeurs[2], valeurs[3]})) return depassement();
    m_operation = operation;
    for (int i = 0; i < 4; ++i) {
        m_memoire[i] = valeurs[i];
        m_lib_mem[i] = m_sais_time[i].trimmed();
        m_sais_time[i] = zero();
    }
    historique(m_sais_histo, u"", m_memoire[0], m_memoire[1], m_memoire[2], m_memoire[3],
               symboleDecimal);
    if (modeNombre()) {
        m_sais_time[3].clear(); // ready for the number to be typed at once
        return focusSur(4);
    }
    return focusSur(1);
}

Reponse CalculatriceTemps::egal(QChar symboleDecimal) {
    if (m_operation == Operation::Aucune) return focusSur(1);

    const double jo2 = lireNombre(m_sais_time[0]);
    const double hr2 = lireNombre(m_sais_time[1]);
    const double mn2 = lireNombre(m_sais_time[2]);
    // Only the typed number gets the comma replacement: that is the field the regional comma
    // is expected in.
    QString texte = m_sais_time[3].trimmed();
    remplacervirgule(texte);
    const double se2 = lireNombre(texte);
    if (!finis({jo2, hr2, mn2, se2})) return depassement();

    // The divisor loses its decimals, so 0,4 divides by zero. A divisor beyond 32 bits is an
    // overflow, reported below once the operand is on the tape.
    std::optional<qint32> diviseur;
    if (m_operation == Operation::Diviser) {
        diviseur = versEntier32(se2);
        if (diviseur && *diviseur == 0) {
            Reponse r = focusSur(4);
            r.avis =
                Avis{QStringLiteral("Division par Zéro. "), 3, 1, QStringLiteral("Orvaline"), 0};
            return r;
        }
    }

    historique(m_sais_histo, symbole(m_operation), jo2, hr2, mn2, se2, symboleDecimal);
    const std::optional<qint64> resultat = appliquer(jo2, hr2, mn2, se2, diviseur);
    if (!resultat || !dans32Bits(*resultat)) return depassement();
    afficherResultat(qint32(*resultat), symboleDecimal);
    retourRepos();
    return focusSur(1);
}

std::optional<qint64> CalculatriceTemps::appliquer(double jo2, double hr2, double mn2, double se2,
                                                   std::optional<qint32> diviseur) const {
    const auto t1 = secondes(m_memoire[0], m_memoire[1], m_memoire[2], m_memoire[3]);
    if (!t1) return std::nullopt;
    switch (m_operation) {
    case Operation::Multiplier: {
        // The multiplier keeps its decimals; the product is rounded once.
        const auto produit = versEntier32(double(*t1) * se2);
        if (!produit) return std::nullopt;
        return *produit;
    }
    case Operation::Diviser:
        if (!diviseur) return std::nullopt;
        return qint64(*t1) / *diviseur; // 64 bits: the minimum divided by -1 stays defined
    case Operation::Plus:
    case Operation::Moins: {
        // The second duration only matters here: in number mode fields 1 to 3 are hidden and
        // the number alone must not overflow a sum that is never made.
        const auto t2 = secondes(jo2, hr2, mn2, se2);
        if (!t2) return std::nullopt;
        return m_operation == Operation::Plus ? qint64(*t1) + *t2 : qint64(*t1) - *t2;
    }
    case Operation::Aucune:
        break;
    }
    return std::nullopt;
}

void CalculatriceTemps::afficherResultat(qint32 r, QChar symboleDecimal) {
    // Durations below zero are not shown: a negative result ends as 0 days 0:00:00.
    qint32 j = r / 86400, h = 0, m = 0, s = 0;
    bool negatif = false;
    if (j < 0) {
        negatif = true;
        j = 0;
    }
    qint32 reste = 0;
    if (!negatif) {
        reste = r - 86400 * j;
        h = reste / 3600;
        if (h < 0) {
            negatif = true;
            h = 0;
        }
    }
    if (!negatif) {
        reste -= 3600 * h;
        m = reste / 60;
        if (m < 0) {
            negatif = true;
            m = 0;
        }
    }
    if (!negatif) s = qMax(reste - 60 * m, 0);

    m_sais_time = {texteEntier(j), texteEntier(h), texteEntier(m), texteEntier(s)};
    historique(m_sais_histo, u"=", j, h, m, s, symboleDecimal);
}

void CalculatriceTemps::retourRepos() {
    m_operation = Operation::Aucune;
    m_memoire.fill(0.0);
    for (QString& texte : m_lib_mem)
        texte.clear();
}

Reponse CalculatriceTemps::com_clear(int index) {
    if (index == 1) {
        for (int i = 0; i < 3; ++i)
            m_sais_time[i] = zero();
        if (modeNombre()) {
            m_sais_time[3].clear();
            return focusSur(4);
        }
        m_sais_time[3] = zero();
        return focusSur(1);
    }
    if (index == 2) {
        m_sais_time.fill(zero());
        retourRepos();
        m_sais_histo.clear();
        return focusSur(1);
    }
    return {};
}

void CalculatriceTemps::quitterChamp() {
    for (QString& texte : m_sais_time)
        if (texte.trimmed().isEmpty()) texte = zero();

    // Moves whole units from one field up to the next when strictly above the base, reading
    // both fields anew so that each step sees the previous carry. A value that does not fit
    // in 32 bits cannot be carried and is left as typed.
    auto reporter = [this](int petit, int grand, qint32 base) {
        const auto valeur = lireArrondi(m_sais_time[petit]);
        if (!valeur || *valeur <= base) return;
        const auto haut = lireArrondi(m_sais_time[grand]);
        if (!haut) return;
        const qint32 quotient = *valeur / base;
        const qint64 somme = qint64(*haut) + quotient;
        if (!dans32Bits(somme)) return;
        m_sais_time[grand] = texteEntier(somme);
        m_sais_time[petit] = texteEntier(*valeur - base * quotient);
    };
    // In number mode the fourth field is a multiplier or divisor, not seconds.
    if (!modeNombre()) reporter(3, 2, 60);
    reporter(2, 1, 60);
    reporter(1, 0, 24);
}

} // namespace orvaline
