// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/couleurs.h"

#include <QLinearGradient>
#include <QPainter>

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

CadreBorde::CadreBorde(QRgb fond, QRgb bord, QWidget* parent)
    : QFrame(parent), m_fond(QColor::fromRgb(fond)), m_bord(QColor::fromRgb(bord)) {}

void CadreBorde::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.fillRect(rect(), m_fond);
    peintre.setPen(m_bord);
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BandeDegrade::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    QLinearGradient degrade(0, 0, 0, 1);
    degrade.setCoordinateMode(QGradient::ObjectBoundingMode);
    degrade.setColorAt(0, QColor(0x2f, 0x5a, 0xa8));
    degrade.setColorAt(1, QColor(0x9a, 0xb8, 0xe8));
    peintre.fillRect(rect(), degrade);
}

} // namespace orvaline
