// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

namespace orvaline {

// Colours through the palette and borders painted by hand, never a style sheet: one sheet
// sends every control under the widget carrying it through the style-sheet machinery, about a
// megabyte of heap and slower painting, for a colour or two.

// Background and text colours. A label paints no background of its own and is asked to; a
// field fills its panel with its base colour by itself.
void colorer(QWidget* w, QRgb fond, QRgb texte);
void colorerFond(QWidget* w, QRgb fond);
void colorerTexte(QWidget* w, QRgb texte);

} // namespace orvaline
