// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>

namespace orvaline {

// A plain panel with a one-pixel border.
class CadreBorde : public QFrame {
public:
    CadreBorde(QRgb fond, QRgb bord, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_fond;
    QColor m_bord;
};

} // namespace orvaline
