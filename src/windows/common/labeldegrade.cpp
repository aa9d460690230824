// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/labeldegrade.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace orvaline {

LabelDegrade::LabelDegrade(const QString& texte, QWidget* parent) : QLabel(texte, parent) {
    setAlignment(Qt::AlignCenter);
    definirCouleurs(m_haut, m_bas, QColor(0x10, 0x2a, 0x5c));
}

void LabelDegrade::definirCouleurs(const QColor& haut, const QColor& bas, const QColor& texte) {
    m_haut = haut;
    m_bas = bas;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, texte);
    setPalette(p);
    update();
}

void LabelDegrade::paintEvent(QPaintEvent* event) {
    {
        QPainter peintre(this);
        QLinearGradient degrade(0, 0, 0, height());
        degrade.setColorAt(0, m_haut);
        degrade.setColorAt(1, m_bas);
        peintre.fillRect(rect(), degrade);
    }
    QLabel::paintEvent(event);
}

void LabelDegrade::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clique();
}

void LabelDegrade::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClique();
}

} // namespace orvaline
