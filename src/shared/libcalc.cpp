// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/libcalc.h"

namespace orvaline {

Libcalc& libcalc() {
    static Libcalc etat;
    return etat;
}

QChar caractereDecimal() {
    return libcalc().symbole_decimal == 2 ? u',' : u'.';
}

} // namespace orvaline
