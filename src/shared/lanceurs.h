// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace orvaline {

// The calculators of the common desktops, in the order they are looked for: the most likely
// first.
const QStringList& calculatrices();

// Brings up the desktop calculator: the one we started earlier while it still runs (no
// second copy), otherwise the first calculator installed. Mode 1 also brings a calculator
// that already runs to the front, where the desktop allows it (X11; not Wayland).
void lancercalculatrice(qint16 mode);

// Opens one of the desktop's settings panels; code 2 is the regional settings.
void lancerpanneau(qint16 code);

// Asks the calculator we started to close if it still runs, then forgets it. Runs on the
// way out of the program.
void fermerCalculatrice();

} // namespace orvaline
