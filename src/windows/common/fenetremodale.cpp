// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/fenetremodale.h"

#include "windows/common/fenetres.h"

#include <QApplication>

namespace orvaline {

FenetreModale::FenetreModale(const QString& nom, int aide, Fermeture fermeture) : QDialog(nullptr) {
    setObjectName(nom);
    // No minimise, maximise or help box; a close box where the window can be cancelled.
    Qt::WindowFlags drapeaux = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::MSWindowsFixedSizeDialogHint;
    if (fermeture == Fermeture::AvecCaseFermer) drapeaux |= Qt::WindowCloseButtonHint;
    setWindowFlags(drapeaux);
    setModal(true);
    definirAide(aide);
}

void FenetreModale::executer() {
    charger();
    // After the load: the native window is created with its place already set.
    lierAAppelante(this);
    exec();
}

void FenetreModale::ouvrir() {
    executer();
    if (!QApplication::activeModalWidget()) retourModal();
}

void FenetreModale::dimensionner(int largeur, int hauteur) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    dimensionnerfenetre(this, largeur, hauteur);
    setFixedSize(size());
}

void FenetreModale::definirAide(int aide) {
    setProperty("aide", aide);
}

} // namespace orvaline
