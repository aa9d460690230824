// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/couleurs.h"

#include <QPalette>
#include <QWidget>

namespace orvaline {

void colorerFond(QWidget* w, QRgb fond) {
    QPalette couleurs = w->palette();
    couleurs.setColor(w->backgroundRole(), QColor::fromRgb(fond));
    w->setPalette(couleurs);
    w->setAutoFillBackground(w->backgroundRole() == QPalette::Window);
}

void colorerTexte(QWidget* w, QRgb texte) {
    QPalette couleurs = w->palette();
    couleurs.setColor(w->foregroundRole(), QColor::fromRgb(texte));
    w->setPalette(couleurs);
}

void colorer(QWidget* w, QRgb fond, QRgb texte) {
    colorerFond(w, fond);
    colorerTexte(w, texte);
}

} // namespace orvaline
