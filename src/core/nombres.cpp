// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nombres.h"

#include <cmath>
#include <limits>

namespace orvaline {

namespace {
bool estBlanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}
} // namespace

double lireNombre(QStringView texte) {
    // Collect sign, digits and one decimal point, skipping blanks as we go, then let the
    // C library do the conversion so that long digit runs round correctly.
    QByteArray chiffres;
    chiffres.reserve(texte.size());
    qsizetype i = 0;
    const qsizetype n = texte.size();
    auto sauterBlancs = [&] {
        while (i < n && estBlanc(texte[i]))
            ++i;
    };
    sauterBlancs();
    if (i < n && (texte[i] == u'+' || texte[i] == u'-')) {
        if (texte[i] == u'-') chiffres.append('-');
        ++i;
    }
    bool point = false;
    bool unChiffre = false;
    for (; i < n; ++i) {
        const QChar c = texte[i];
        if (estBlanc(c)) continue;
        if (c >= u'0' && c <= u'9') {
            chiffres.append(char(c.unicode()));
            unChiffre = true;
        } else if (c == u'.' && !point) {
            chiffres.append('.');
            point = true;
        } else {
            break;
        }
    }
    if (!unChiffre) return 0.0;
    const double valeur = std::strtod(chiffres.constData(), nullptr);
    return valeur == 0.0 ? 0.0 : valeur; // no negative zero
}

double arrondiPair(double valeur) {
    if (!std::isfinite(valeur)) return valeur;
    const double bas = std::floor(valeur);
    const double ecart = valeur - bas;
    if (ecart < 0.5) return bas;
    if (ecart > 0.5) return bas + 1.0;
    return std::fmod(bas, 2.0) == 0.0 ? bas : bas + 1.0;
}

double arrondiLoin(double valeur) {
    return std::round(valeur);
}

template <typename T> static std::optional<T> versEntier(double valeur) {
    if (!std::isfinite(valeur)) return std::nullopt;
    const double r = arrondiPair(valeur);
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

std::optional<qint16> versEntier16(double valeur) {
    return versEntier<qint16>(valeur);
}
std::optional<qint32> versEntier32(double valeur) {
    return versEntier<qint32>(valeur);
}

QString formeGenerale(double valeur, QChar symboleDecimal) {
    QString texte = QString::number(valeur, 'g', 15);
    // 'g' gives "1e+20"; the general form writes the exponent as E+20.
    texte.replace(u'e', u'E');
    if (symboleDecimal != u'.') texte.replace(u'.', symboleDecimal);
    return texte;
}

} // namespace orvaline
