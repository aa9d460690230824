// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// A text to print: its title line and its lines, already laid out in columns.
struct TravailImpression {
    QString titre;
    QString texte;
};

} // namespace orvaline
