// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/msgbox/dispositionmessage.h"

#include "core/nombres.h"

#include <algorithm>

namespace orvaline {

DispositionMessage disposerMessage(int largeurTexte, int hauteurTexte, int largeurTitre,
                                   int jeuBoutons) {
    DispositionMessage d;
    d.largeurTexte = largeurTexte;
    if (largeurTexte > msgLargeurMaxTexte) {
        d.renvoiLigne = true;
        d.largeurTexte = msgLargeurMaxTexte;
    }
    int ecart = 480;
    const int margeDroite = 480;
    d.nombreBoutons = 2;
    if (jeuBoutons == 1) {
        d.nombreBoutons = 1;
        ecart = 0;
    }
    const int largeurBoutons = d.nombreBoutons * (msgLargeurImage + msgLargeurBouton) +
                               msgGaucheTexte + ecart + margeDroite;
    d.largeur = msgGaucheTexte + d.largeurTexte + margeDroite;
    d.hauteur = hauteurTexte + 2000;
    d.largeur = std::max({d.largeur, largeurTitre, largeurBoutons});
    d.hautBoutons = d.hauteur - 700 - msgHauteurBouton;
    if (d.nombreBoutons == 2) {
        const int moitie = int(arrondiPair(d.largeur / 2.0));
        const int demiEcart = ecart / 2;
        d.gaucheImage1 = moitie - demiEcart - msgLargeurBouton - msgLargeurImage;
        d.gaucheBouton1 = d.gaucheImage1 + msgLargeurImage;
        d.gaucheImage2 = moitie + demiEcart;
        d.gaucheBouton2 = d.gaucheImage2 + msgLargeurImage;
    } else {
        d.gaucheBouton1 = int(arrondiPair((d.largeur - msgLargeurBouton) / 2.0));
    }
    return d;
}

} // namespace orvaline
