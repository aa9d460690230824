// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/servicesregionaux.h"

namespace orvaline {

// The desktop's own settings, through QLocale::system().
class RegionauxSysteme : public ServicesRegionaux {
public:
    bool estUnNombre(const QString& texte) const override;
    QString formaterDeuxDecimales(double valeur) const override;
    std::optional<QDate> lireDateRegionale(const QString& texte) const override;
};

} // namespace orvaline
