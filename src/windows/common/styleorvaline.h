// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace orvaline {

// The platform's style, with two of its pictures obtained another way. Qt reads a picture file
// by first offering it to every image-format plugin, which loads them all (JPEG, GIF, icons,
// SVG ...) although the pictures are PNG. So:
// - the frame border is read as PNG without asking the plugins;
// - the arrows of a tool bar's or menu bar's overflow button, which a menu bar of three menus
//   never shows, are drawn here.
class StyleOrvaline : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* peintre,
                       const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap image, const QStyleOption* option,
                       const QWidget* widget) const override;
    // A frame's caption starts just inside the frame's left edge, not over it.
    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* option,
                         SubControl partie, const QWidget* widget) const override;

private:
    mutable QPixmap m_bordCadre;
};

} // namespace orvaline
