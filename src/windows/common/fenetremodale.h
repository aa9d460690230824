// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace orvaline {

// What every modal window of ours shares: a fixed dialog frame with a title bar, modality,
// the help topic that F1 opens, the designed outer size centred on the screen, the load at
// each showing, and the focus given back to the main window once the window has closed.
// Esc reaches reject(), which each window maps to its own way out.
class FenetreModale : public QDialog {
    Q_OBJECT
public:
    // Loads the window and shows it modally until it closes, tied to the window that opened
    // it (the modality stays application-wide).
    void executer();
    // The same for an opener in the main window: once the window has closed, the main window
    // gets its focus back, unless another modal window (the opener) is still up.
    void ouvrir();
    // The load; it runs at every showing.
    virtual void charger() = 0;

protected:
    enum class Fermeture { AvecCaseFermer, SansCaseFermer };
    FenetreModale(const QString& nom, int aide, Fermeture fermeture = Fermeture::AvecCaseFermer);

    // Fixes the window at its designed outer size (twips), centred on the screen. The window
    // is kept between showings, so the fixed size of the last showing goes first.
    void dimensionner(int largeur, int hauteur);
    void definirAide(int aide);
};

} // namespace orvaline
