// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// A runtime error as the error report shows it: a number and a French description.
// The numbers follow the classic runtime error codes users may already know.
struct Erreur {
    int numero = 0;
    QString description;

    friend bool operator==(const Erreur&, const Erreur&) = default;
};

namespace erreurs {
inline Erreur argumentIncorrect() {
    return {5, QStringLiteral("Argument ou appel de procédure incorrect")};
}
inline Erreur depassement() {
    return {6, QStringLiteral("Dépassement de capacité")};
}
inline Erreur divisionParZero() {
    return {11, QStringLiteral("Division par zéro")};
}
inline Erreur typeIncompatible() {
    return {13, QStringLiteral("Type incompatible")};
}
inline Erreur fichierIntrouvable() {
    return {53, QStringLiteral("Fichier introuvable")};
}
inline Erreur fichierIntrouvable(const QString& chemin) {
    return {53, QStringLiteral("Fichier introuvable : ") + chemin};
}
inline Erreur accesRefuse() {
    return {75, QStringLiteral("Erreur d'accès au chemin/fichier")};
}
inline Erreur nonExecutable(const QString& chemin) {
    return {75, QStringLiteral("Ce fichier n'est pas un programme exécutable : ") + chemin};
}
inline Erreur demarrageImpossible(const QString& chemin) {
    return {5, QStringLiteral("Le programme n'a pas pu démarrer : ") + chemin};
}
} // namespace erreurs

} // namespace orvaline
