// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "impression/travailimpression.h"

class QWidget;

namespace orvaline {

// Printing a text laid out in columns, with a preview from which the user prints on paper or
// to a PDF file.
class Imprimante {
public:
    virtual ~Imprimante() = default;
    // Printed, cancelled or failed, as the print module tells; failed too, with the reason in
    // French, when the module cannot be loaded.
    virtual ResultatImpression imprimer(QWidget* parent, const TravailImpression& travail) = 0;
};

} // namespace orvaline
