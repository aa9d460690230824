// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/common/champsaisie.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"

#include <QGroupBox>
#include <initializer_list>

namespace orvaline {

// Both calculators' frames lie at the same place, one over the other, with a bold caption.
inline void habillerCadre(QGroupBox* cadre, const QString& nom) {
    cadre->setObjectName(nom);
    cadre->setGeometry(rectTwips(240, 840, 7935, 3855));
    cadre->setFont(police(QStringLiteral("Verdana"), 8.25, true));
}

// A frame's fields lose the focus while the window is torn down: they must not call back into
// a frame that is already half gone.
inline void detacherChamps(QGroupBox* cadre) {
    for (ChampSaisie* champ : cadre->findChildren<ChampSaisie*>())
        champ->disconnect(cadre);
}

// Chains the Tab order through the controls in the order given.
inline void ordreTabulation(std::initializer_list<QWidget*> ordre) {
    QWidget* precedent = nullptr;
    for (QWidget* w : ordre) {
        if (precedent) QWidget::setTabOrder(precedent, w);
        precedent = w;
    }
}

} // namespace orvaline
