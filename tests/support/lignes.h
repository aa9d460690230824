// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTest>
#include <array>

namespace orvaline::test {

// Text in the tables is written as plain literals and lands in QString columns.
inline QString colonne(const char* texte) {
    return QString::fromUtf8(texte);
}
template <typename T> const T& colonne(const T& valeur) {
    return valeur;
}

// The columns of a data table, on one line: colonnes<QString, int>({"texte", "curseur"}).
template <typename... T> void colonnes(const std::array<const char*, sizeof...(T)>& noms) {
    std::size_t i = 0;
    (QTest::addColumn<T>(noms[i++]), ...);
}

// One named row of a data table, on one line.
template <typename... T> QTestData& ligne(const char* nom, const T&... valeurs) {
    QTestData& d = QTest::newRow(nom);
    ((d << colonne(valeurs)), ...);
    return d;
}

} // namespace orvaline::test
