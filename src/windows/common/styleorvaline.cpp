// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/styleorvaline.h"

#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

namespace orvaline {

namespace {
// A double chevron pointing right, or down, in the text colour.
QIcon chevrons(bool versLeBas, const QColor& couleur) {
    QPixmap image(16, 16);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(couleur, 1.5));
    QPainterPath trait;
    for (qreal decalage : {3.5, 8.5}) {
        trait.moveTo(decalage, 4.5);
        trait.lineTo(decalage + 3.5, 8);
        trait.lineTo(decalage, 11.5);
    }
    if (versLeBas) peintre.setTransform(QTransform(0, 1, 1, 0, 0, 0));
    peintre.drawPath(trait);
    return QIcon(image);
}
} // namespace

void StyleOrvaline::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* peintre, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || baseStyle()->name() != u"fusion") {
        QProxyStyle::drawPrimitive(element, option, peintre, widget);
        return;
    }
    // The Fusion style's own frame: its picture and margins, below the caption.
    if (m_bordCadre.isNull()) {
        QImageReader lecteur(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            "png");
        lecteur.setAutoDetectImageFormat(false);
        m_bordCadre = QPixmap::fromImage(lecteur.read());
    }
    constexpr int margeHaute = 3;
    int haut = margeHaute;
    const auto* cadre = qobject_cast<const QGroupBox*>(widget);
    if (!cadre || cadre->isCheckable() || !cadre->title().isEmpty())
        haut += qMax(proxy()->pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                     option->fontMetrics.height());
    qDrawBorderPixmap(peintre, option->rect.adjusted(0, haut, 0, 0), QMargins(6, 6, 6, 6),
                      m_bordCadre);
}

QRect StyleOrvaline::subControlRect(ComplexControl controle, const QStyleOptionComplex* option,
                                    SubControl partie, const QWidget* widget) const {
    const QRect r = QProxyStyle::subControlRect(controle, option, partie, widget);
    if (controle == CC_GroupBox && partie == SC_GroupBoxLabel && baseStyle()->name() == u"fusion")
        return r.translated(2, 1);
    return r;
}

QIcon StyleOrvaline::standardIcon(StandardPixmap image, const QStyleOption* option,
                                  const QWidget* widget) const {
    if (image == SP_ToolBarHorizontalExtensionButton ||
        image == SP_ToolBarVerticalExtensionButton) {
        const QPalette couleurs = option   ? option->palette
                                  : widget ? widget->palette()
                                           : QPalette();
        return chevrons(image == SP_ToolBarVerticalExtensionButton,
                        couleurs.color(QPalette::ButtonText));
    }
    return QProxyStyle::standardIcon(image, option, widget);
}

} // namespace orvaline
