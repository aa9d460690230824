// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "impression/impression.h"
#include "impression/travailimpression.h"

#include <QString>
#include <optional>

class QPrinter;

namespace orvaline {

// Lays the text out on the printer's pages in DejaVu Sans Mono, so that its columns stay
// under each other: the title line at the top of every page, the page number at the foot.
// Honours a page range chosen in the print dialog, cut at the last page; a range that starts
// past the last page is refused before anything is printed, so no blank page comes out.
// Gives nothing when printed, or why not, in French. Exported for the tests, which set the
// page range themselves.
ORVALINE_IMPRESSION_EXPORT std::optional<QString> dessinerPages(QPrinter& imprimante,
                                                                const TravailImpression& travail);

} // namespace orvaline
