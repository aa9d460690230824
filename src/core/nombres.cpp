// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nombres.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <system_error>

namespace orvaline {

namespace {
bool estBlanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// An optional "-", digits and at most one ".", correctly rounded; beyond the range of a
// double, an infinity or zero.
double convertirDecimal(std::string_view chiffres) {
    // std::from_chars ignores the process locale: under a comma locale strtod would stop
    // at the point and read "2.5" as 2.
    const bool negatif = !chiffres.empty() && chiffres.front() == '-';
    if (negatif) chiffres.remove_prefix(1);
    double valeur = 0.0;
    const auto [fin, erreur] =
        std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), valeur);
    if (erreur == std::errc::result_out_of_range) {
        // Out of range either way: a nonzero whole part means too large, else too small.
        const std::string_view entier = chiffres.substr(0, chiffres.find('.'));
        valeur = entier.find_first_not_of('0') != std::string_view::npos
                     ? std::numeric_limits<double>::infinity()
                     : 0.0;
    } else if (erreur != std::errc() || fin == chiffres.data()) {
        valeur = 0.0;
    }
    if (valeur == 0.0) return 0.0; // no negative zero
    return negatif ? -valeur : valeur;
}
} // namespace

double lireNombre(QStringView texte) {
    // Collect sign, digits and one decimal point, skipping blanks as we go, then convert them
    // in one go so that long digit runs round correctly.
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
    return convertirDecimal(std::string_view(chiffres.constData(), std::size_t(chiffres.size())));
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

namespace {

// Magnitudes as digit strings of equal length (shorter ones padded with leading zeros).
void egaliser(QString& a, QString& b) {
    const qsizetype n = qMax(a.size(), b.size());
    a = a.rightJustified(n, u'0');
    b = b.rightJustified(n, u'0');
}

QString additionner(QString a, QString b) {
    egaliser(a, b);
    QString somme(a.size(), u'0');
    int retenue = 0;
    for (qsizetype i = a.size() - 1; i >= 0; --i) {
        const int d = a[i].digitValue() + b[i].digitValue() + retenue;
        somme[i] = QChar(u'0' + d % 10);
        retenue = d / 10;
    }
    return retenue ? u'1' + somme : somme;
}

// a - b, with a >= b.
QString soustraire(QString a, QString b) {
    egaliser(a, b);
    QString difference(a.size(), u'0');
    int emprunt = 0;
    for (qsizetype i = a.size() - 1; i >= 0; --i) {
        int d = a[i].digitValue() - b[i].digitValue() - emprunt;
        emprunt = d < 0;
        difference[i] = QChar(u'0' + d + 10 * emprunt);
    }
    return difference;
}

} // namespace

std::optional<QString> ajouterEntier(QStringView texte, int pas, QChar symboleDecimal) {
    texte = texte.trimmed();
    bool negatif = false;
    if (!texte.isEmpty() && (texte.front() == u'+' || texte.front() == u'-')) {
        negatif = texte.front() == u'-';
        texte = texte.mid(1);
    }
    // The value is `chiffres` / 10^decimales, the step pas * 10^decimales.
    QString chiffres;
    qsizetype decimales = -1;
    for (QChar c : texte) {
        if (c >= u'0' && c <= u'9') {
            chiffres += c;
            if (decimales >= 0) ++decimales;
        } else if (c == symboleDecimal && decimales < 0) {
            decimales = 0;
        } else {
            return std::nullopt;
        }
    }
    if (chiffres.isEmpty()) return std::nullopt;
    decimales = qMax(decimales, qsizetype(0));
    // Widened first: the lowest int has no positive counterpart of its own type.
    const QString ecart = QString::number(std::abs(qint64(pas))) + QString(decimales, u'0');

    QString resultat;
    if (negatif == (pas < 0)) {
        resultat = additionner(chiffres, ecart);
    } else {
        QString a = chiffres, b = ecart;
        egaliser(a, b);
        if (a >= b) { // same length, so the text order is the numeric one
            resultat = soustraire(a, b);
        } else {
            resultat = soustraire(b, a);
            negatif = !negatif;
        }
    }

    resultat = resultat.rightJustified(decimales + 1, u'0');
    QString entier = resultat.left(resultat.size() - decimales);
    QString fraction = resultat.right(decimales);
    while (entier.size() > 1 && entier.front() == u'0')
        entier.remove(0, 1);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    QString ecrit = fraction.isEmpty() ? entier : entier + symboleDecimal + fraction;
    if (negatif && ecrit != u"0") ecrit.prepend(u'-');
    return ecrit;
}

QString formeGenerale(double valeur, QChar symboleDecimal) {
    QString texte = QString::number(valeur, 'g', 15);
    // 'g' gives "1e+20"; the general form writes the exponent as E+20.
    texte.replace(u'e', u'E');
    if (symboleDecimal != u'.') texte.replace(u'.', symboleDecimal);
    return texte;
}

} // namespace orvaline
