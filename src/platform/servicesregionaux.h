// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace orvaline {

// What the regional settings say about numbers and dates.
class ServicesRegionaux {
public:
    virtual ~ServicesRegionaux() = default;
    // Whether the text is accepted as a number under the regional settings.
    virtual bool estUnNombre(const QString& texte) const = 0;
    // The value with two decimals and no grouping, as the pattern "#0.00" writes it.
    virtual QString formaterDeuxDecimales(double valeur) const = 0;
    // A numeric date text read in the regional order of day and month.
    virtual std::optional<QDate> lireDateRegionale(const QString& texte) const = 0;
};

} // namespace orvaline
