// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace orvaline {

// Printing a text laid out in columns, with a preview from which the user prints on paper or
// to a PDF file.
class Imprimante {
public:
    virtual ~Imprimante() = default;
    // Gives nothing when the preview ran (printed or not), or the reason printing is not
    // possible, in French.
    virtual std::optional<QString> imprimer(QWidget* parent, const QString& titre,
                                            const QString& texte) = 0;
};

} // namespace orvaline
