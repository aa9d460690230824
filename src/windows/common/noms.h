// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// The name of a control that comes in a row, as the design writes it: "sais_time(1)".
inline QString nomIndexe(const char16_t* nom, int index) {
    return QString::fromUtf16(nom) + u'(' + QString::number(index) + u')';
}

} // namespace orvaline
