// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QAbstractScrollArea;

namespace orvaline {

// The colour that says "the keyboard is here", apart from the orange of the mouse's hover.
inline QColor couleurFocus() {
    return QColor(0x1c, 0x5c, 0xc8);
}

// A list or text box draws a 2-pixel ring over its frame while it has the focus; nothing
// changes on screen otherwise.
void montrerFocus(QAbstractScrollArea* zone);

} // namespace orvaline
