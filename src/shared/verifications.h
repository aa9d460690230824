// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// Regional decimal symbol: sets symbole_decimal; warns once per run when neither the point
// nor the comma is usable, and then works with the point.
void verifiersymboledecimal();

// Regional date order: sets ordre_date to 1 (day first) or 2 (month first).
void verifierordredate();

// There is no Windows XP here: windows_xp stays 0.
void verifierwindows();

// The warning text shown when no usable decimal symbol is found.
QString texteAvertissementDecimal();

// For tests: forget that the warning was shown.
void oublierAvertissementDecimal();

} // namespace orvaline
