// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRectF>
#include <QSize>

class QWidget;

namespace orvaline {

// Where a window of the given outer size (twips) goes on a screen of the given size (twips):
// centred, or at 0 in a dimension where it is larger than the screen. Windows XP's taller
// caption is allowed for as the shared state says.
struct Placement {
    double gauche = 0;
    double haut = 0;
    int largeur = 0;
    int hauteur = 0;
};
Placement calculerPlacement(int largeur, int hauteur, int largeurEcran, int hauteurEcran);

// Sizes a window to an outer size in twips and centres it on the primary screen.
void dimensionnerfenetre(QWidget* fenetre, int largeur, int hauteur);

// Gives the focus to a control only when it is shown and enabled; anything else is ignored.
void donnerfocus(QWidget* controle);

} // namespace orvaline
