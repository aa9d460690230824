// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/fabricant.h"

#include <QString>
#include <QStringList>
#include <array>

namespace orvaline {

// The state every window shares for the life of the process.
struct Libcalc {
    QString saut_ligne;                // line break inside messages: CR LF
    QString chemin_appli;              // the program's folder, no trailing separator
    QString fichier_ini;               // full path of the settings file
    std::array<QString, 13> noms_mois; // 0 "Tous", then "Janvier" .. "Décembre"
    QString separateur_date;           // "/"
    QString format_date;               // "dd/mm/yyyy"
    QString date_jour;                 // today at start, "dd/mm/yyyy"; never refreshed
    QString annee_jour;                // the year at start, four digits
    qint16 ordre_date = 0;             // 1 day first, 2 month first, 0 not known
    qint16 symbole_decimal = 0;        // 1 point, 2 comma, 0 not known
    // Kept as designed though Linux leaves it 0, so the extra height for XP never applies.
    qint16 windows_xp = 0;
    qint16 style_xp = 0; // 5 would mean a style without the taller caption
    // The options (opt_saisdate, opt_saisnombre, alsacemoselle) are held by `reglages()`.
    std::array<QString, 26> param_msg; // hand-over texts between a window and its opener
    qint16 annulation = 0;             // 1 when the last calendar or options dialog was cancelled
    QStringList sons;                  // sound names; nothing fills it, so nothing plays
};

Libcalc& libcalc();

// The version text shown in titles and the start-up window: the CMake project's version.
inline QString versionTexte() {
    return fabricant::version.toString();
}

// The decimal symbol as a character: "," when the settings use the comma, "." otherwise.
QChar caractereDecimal();

} // namespace orvaline
