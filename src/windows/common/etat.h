// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// Writes a status text into the main window's "lib_etat" label, when the window has one,
// and lets pending events run so it shows at once. The text is trimmed in place.
void afficheretat(QString& texte);

} // namespace orvaline
