// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/retourmodal.h"

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

// Sizes a window to an outer size in twips and centres it on the primary screen. Where the
// compositor places the windows itself (Wayland), only the size is set.
void dimensionnerfenetre(QWidget* fenetre, int largeur, int hauteur);

// Whether the platform lets a program place its own windows: yes on X11, no on Wayland,
// where move() is ignored.
bool placementLibre();

// The window a window about to be shown belongs to: the modal window that is up, otherwise
// the main window; none when neither is shown.
QWidget* fenetreAppelante(const QWidget* fenetre);

// Makes the calling window the transient parent of the window, so that the desktop keeps it
// above that window and may centre it there. The modality is left as it is.
void lierAAppelante(QWidget* fenetre);

// The application-wide hourglass pointer, and back to the arrow. Calls may repeat; the
// pointer stack stays balanced.
void afficherSablier();
void retablirCurseur();

// Gives the focus to a control only when it is shown and enabled; anything else is ignored.
void donnerfocus(QWidget* controle);

} // namespace orvaline
