// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/boutonxp.h"

#include "windows/common/anneaufocus.h"
#include "windows/common/images.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace orvaline {

BoutonXp::BoutonXp(const QString& texte, QWidget* parent) : QPushButton(texte, parent) {
    // Enter presses the button that has the focus, as Space does.
    setAutoDefault(true);
    setCursor(Qt::PointingHandCursor);
    // Repainted when the mouse comes in and goes out.
    setAttribute(Qt::WA_Hover);
}

void BoutonXp::definirImage(const QString& ressource, const QSize& taille) {
    setIcon(QIcon(imageSvg(ressource, taille)));
    setIconSize(taille);
}

// Drawn here rather than through a style sheet: a sheet on the many buttons of the first
// window would bring in the whole style-sheet machinery at start-up.
void BoutonXp::paintEvent(QPaintEvent*) {
    const bool actif = isEnabled();
    const bool survole = actif && underMouse();
    const bool focus = actif && hasFocus();
    const int epaisseur = focus ? 2 : 1;

    // The mouse lights the border orange; the keyboard's focus rings it in blue, so that a
    // hovered button and the focused one never look alike.
    QColor bord(0x8f, 0xa3, 0xc7);
    if (!actif)
        bord = QColor(0xc8, 0xc8, 0xc8);
    else if (focus)
        bord = couleurFocus();
    else if (survole)
        bord = QColor(0xe0, 0xa0, 0x20);
    QBrush fond;
    if (!actif) {
        fond = QColor(0xf0, 0xf0, 0xf0);
    } else if (isDown()) {
        fond = QColor(0xf6, 0xd5, 0x8a);
    } else {
        QLinearGradient degrade(0, 0, 0, height());
        degrade.setColorAt(0, survole ? QColor(0xff, 0xfa, 0xf0) : QColor(Qt::white));
        degrade.setColorAt(1, survole ? QColor(0xfd, 0xe7, 0xb8) : QColor(0xdf, 0xe6, 0xf2));
        fond = degrade;
    }

    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    const qreal demi = epaisseur / 2.0;
    peintre.setPen(QPen(bord, epaisseur));
    peintre.setBrush(fond);
    peintre.drawRoundedRect(QRectF(rect()).adjusted(demi, demi, -demi, -demi), 4 - demi, 4 - demi);
    peintre.setRenderHint(QPainter::Antialiasing, false);

    // The caption or picture, laid out by the style inside the border and a small padding.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = rect().adjusted(epaisseur + 4, epaisseur + 1, -epaisseur - 4, -epaisseur - 1);
    option.palette.setColor(QPalette::ButtonText,
                            actif ? QColor(0x10, 0x2a, 0x5c) : QColor(0x9a, 0x9a, 0x9a));
    style()->drawControl(QStyle::CE_PushButtonLabel, &option, &peintre, this);
}

} // namespace orvaline
