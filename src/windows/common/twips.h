// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <cmath>

namespace orvaline {

// Sizes are designed in twips: 1440 per inch, 15 per pixel at 96 dots per inch.
inline constexpr int twipsParPixel = 15;

constexpr int px(int twips) {
    return twips >= 0 ? (twips + twipsParPixel / 2) / twipsParPixel
                      : -((-twips + twipsParPixel / 2) / twipsParPixel);
}

constexpr QRect rectTwips(int gauche, int haut, int largeur, int hauteur) {
    return QRect(px(gauche), px(haut), px(largeur), px(hauteur));
}

} // namespace orvaline
