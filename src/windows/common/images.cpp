// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/images.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace orvaline {

QPixmap imageSvg(const QString& nom, const QSize& taille) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap image(taille * ratio);
    image.fill(Qt::transparent);
    QSvgRenderer rendu(QStringLiteral(":/pictures/") + nom + QStringLiteral(".svg"));
    if (rendu.isValid()) {
        QPainter peintre(&image);
        rendu.render(&peintre);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace orvaline
