// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace orvaline {

// The leading decimal number of a text: blanks are skipped, "." is the only decimal
// separator, reading stops at the first character that cannot continue the number and a
// text without a leading number reads as 0. "1,5" reads as 1. A number too large for a
// double reads as an infinity, which callers must treat as an overflow.
double lireNombre(QStringView texte);

// Rounds to the nearest whole value, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double arrondiPair(double valeur);

// Rounds half away from zero (1.5 -> 2, -1.5 -> -2).
double arrondiLoin(double valeur);

// Banker's rounding into a signed 16- or 32-bit integer; nothing when the rounded value lies
// outside the range (an overflow for the caller to report).
std::optional<qint16> versEntier16(double valeur);
std::optional<qint32> versEntier32(double valeur);

// Same, reading the text first.
inline qint16 lireEntier16(QStringView texte, qint16 siDepassement = 0) {
    return versEntier16(lireNombre(texte)).value_or(siDepassement);
}

// Whole division truncated toward zero, as the calculators use it (-7 / 2 gives -3).
inline qint32 divisionEntiere(qint32 a, qint32 b) {
    return a / b;
}

// A whole number as plain decimal text: no grouping, no leading zeros.
inline QString texteEntier(qint64 valeur) {
    return QString::number(valeur);
}

// A plain signed decimal written with the given decimal symbol (blanks around it allowed, no
// grouping, no exponent) plus a whole step. The sum is made on the digits themselves, so it
// is exact at any length (10^20 + 1 stays distinct, 0,7 - 1 is -0,3), and written as the
// shortest plain text of that value: no exponent, no leading zeros, no trailing decimal
// zeros, no "-0". Nothing when the text is no such number.
std::optional<QString> ajouterEntier(QStringView texte, int pas, QChar symboleDecimal);

// A number in its general form: up to 15 significant digits, no grouping, exponent form for
// very large or very small values, with the given decimal symbol.
QString formeGenerale(double valeur, QChar symboleDecimal);

} // namespace orvaline
