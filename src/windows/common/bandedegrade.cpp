// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/bandedegrade.h"

#include <QLinearGradient>
#include <QPainter>

namespace orvaline {

void BandeDegrade::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    QLinearGradient degrade(0, 0, 0, 1);
    degrade.setCoordinateMode(QGradient::ObjectBoundingMode);
    degrade.setColorAt(0, QColor(0x2f, 0x5a, 0xa8));
    degrade.setColorAt(1, QColor(0x9a, 0xb8, 0xe8));
    peintre.fillRect(rect(), degrade);
}

} // namespace orvaline
