// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRectF>
#include <QSize>
#include <functional>

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

// The application-wide hourglass pointer, and back to the arrow. Calls may repeat; the
// pointer stack stays balanced.
void afficherSablier();
void retablirCurseur();

// A window of ours that opened a modal window runs its activation when that window has gone
// (as a desktop program's window is re-activated), before the opener goes on and perhaps
// moves the focus itself. The main window registers its activation here; every code path
// that shows a modal window calls retourModal() once it has closed.
void definirRetourModal(std::function<void()> activation);
void retourModal();

// Gives the focus to a control only when it is shown and enabled; anything else is ignored.
void donnerfocus(QWidget* controle);

} // namespace orvaline
