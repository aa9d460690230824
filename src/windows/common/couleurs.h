// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPalette;
class QWidget;

namespace orvaline {

// Colours through the palette and borders painted by hand, never a style sheet: one sheet
// sends every control under the widget carrying it through the style-sheet machinery, about a
// megabyte of heap and slower painting, for a colour or two.

// Background and text colours. A label paints no background of its own and is asked to; a
// field fills its panel with its base colour by itself. Both go through the two functions
// below, so that a dark desktop keeps them readable.
void colorer(QWidget* w, QRgb fond, QRgb texte);
void colorerFond(QWidget* w, QRgb fond);
void colorerTexte(QWidget* w, QRgb texte);

// The designed colours were chosen for a light desktop. On a dark one (a window darker than
// its text, high contrast included) the white and light grey boxes take the palette's own
// base or window colour, and a coloured text is lightened in its own hue until it stands out
// 4.5 times from what lies behind it. On a light desktop both return the designed colour.
bool paletteSombre(const QPalette& palette);
bool paletteSombre();
QColor fondLisible(QRgb fond);
QColor texteLisible(QRgb texte, const QColor& fond);
// The designed text colour of a widget's foreground role, drawn over the widget's background.
QColor texteLisible(const QWidget* w, QRgb texte);

// On a dark desktop the style draws a check box's square from the window colour, a shade
// darker: nearly black on the dark box. There the square takes a shade of the text instead.
void contourVisible(QWidget* caseACocher);

// The contrast ratio of two colours (1 to 21), from their relative luminance.
double contraste(const QColor& a, const QColor& b);

} // namespace orvaline
