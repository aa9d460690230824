// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/common/couleurs.h"

#include <QGroupBox>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace orvaline {

// A frame whose caption is dark blue while its contents keep their own colours. Painted here
// rather than through a style sheet: one sheet makes every control inside the frame go
// through the style-sheet machinery, which costs memory and time for a single colour.
class CadreTitre : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter peintre(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        option.palette.setColor(QPalette::WindowText,
                                texteLisible(0x0000C0, option.palette.color(QPalette::Window)));
        peintre.drawComplexControl(QStyle::CC_GroupBox, option);
    }
};

} // namespace orvaline
