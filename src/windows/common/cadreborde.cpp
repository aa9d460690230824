// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/cadreborde.h"

#include "windows/common/couleurs.h"

#include <QPainter>

namespace orvaline {

CadreBorde::CadreBorde(QRgb fond, QRgb bord, QWidget* parent)
    : QFrame(parent), m_fond(fondLisible(fond)), m_bord(QColor::fromRgb(bord)) {}

void CadreBorde::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.fillRect(rect(), m_fond);
    peintre.setPen(m_bord);
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace orvaline
