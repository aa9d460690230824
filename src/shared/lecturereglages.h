// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/dossierappli.h"

#include <QString>
#include <optional>

namespace orvaline {

// Where the settings file lies, by the rule of `emplacementFichierIni`, without creating the
// configuration folder: for a reader that must leave no trace.
QString cheminFichierIni(const DossierAppli& appli, const QString& dossierConfig);

// A switch of the settings file: a number rounded half to even and held to 0 or 1, so that a
// missing or unreadable one is off.
bool caseLue(const std::optional<QString>& texte);

// The Alsace-Moselle option as the file holds it; off when the file is missing.
bool alsaceMoselleLue(const QString& fichier);

// The key's name and the characters read of its value, plus one.
inline constexpr const char* cleAlsaceMoselle = "Alsacemoselle";
inline constexpr qint16 tailleCase = 5;

} // namespace orvaline
