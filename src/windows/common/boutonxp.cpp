// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/boutonxp.h"

#include "windows/common/images.h"

namespace orvaline {

BoutonXp::BoutonXp(const QString& texte, QWidget* parent) : QPushButton(texte, parent) {
    // Enter presses the button that has the focus, as Space does.
    setAutoDefault(true);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid #8fa3c7; border-radius: 4px; padding: 1px 4px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dfe6f2);"
        "  color: #102a5c; }"
        "QPushButton:hover { border-color: #e0a020;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffaf0, stop:1 #fde7b8); }"
        "QPushButton:focus { border: 2px solid #e0a020; }"
        "QPushButton:pressed { background: #f6d58a; }"
        "QPushButton:disabled { color: #9a9a9a; border-color: #c8c8c8; background: #f0f0f0; }"));
}

void BoutonXp::definirImage(const QString& ressource, const QSize& taille) {
    setIcon(QIcon(imageSvg(ressource, taille)));
    setIconSize(taille);
}

} // namespace orvaline
