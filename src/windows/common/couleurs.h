// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>

namespace orvaline {

// Colours through the palette and borders painted by hand, never a style sheet: one sheet
// sends every control under the widget carrying it through the style-sheet machinery, about a
// megabyte of heap and slower painting, for a colour or two.

// Background and text colours. A label paints no background of its own and is asked to; a
// field fills its panel with its base colour by itself.
void colorer(QWidget* w, QRgb fond, QRgb texte);
void colorerFond(QWidget* w, QRgb fond);
void colorerTexte(QWidget* w, QRgb texte);

// A plain panel with a one-pixel border.
class CadreBorde : public QFrame {
public:
    CadreBorde(QRgb fond, QRgb bord, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_fond;
    QColor m_bord;
};

// The blue band, dark at the top and light at the bottom, down the left of the contact and
// update windows.
class BandeDegrade : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace orvaline
