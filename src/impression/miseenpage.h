// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "impression/travailimpression.h"

class QPrinter;

namespace orvaline {

// Lays the text out on the printer's pages in DejaVu Sans Mono, so that its columns stay
// under each other: the title line at the top of every page, the page number at the foot.
// Honours a page range chosen in the print dialog. False when the printer cannot be used.
bool dessinerPages(QPrinter& imprimante, const TravailImpression& travail);

} // namespace orvaline
