// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvaline {

// Where the message box puts its parts, in twips, from the measured text and title widths
// and the button set. Kept apart from the window so the arithmetic can be checked alone.
struct DispositionMessage {
    int largeur = 0;      // outer width of the window
    int hauteur = 0;      // outer height
    int largeurTexte = 0; // text width after wrapping
    bool renvoiLigne = false;
    int hautBoutons = 0;
    int gaucheImage1 = 0, gaucheBouton1 = 0;
    int gaucheImage2 = 0, gaucheBouton2 = 0;
    int nombreBoutons = 2;
};

inline constexpr int msgLargeurMaxTexte = 12000;
inline constexpr int msgLargeurBouton = 1215;
inline constexpr int msgHauteurBouton = 495;
inline constexpr int msgLargeurImage = 480;
inline constexpr int msgGaucheTexte = 1080;
inline constexpr int msgHautTexte = 360;

// hauteurTexte is the label's height once wrapped (the caller measures it again after
// wrapping when renvoiLigne comes back true).
DispositionMessage disposerMessage(int largeurTexte, int hauteurTexte, int largeurTitre,
                                   int jeuBoutons);

} // namespace orvaline
