// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/etat.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace orvaline {

void afficheretat(QString& texte) {
    texte = texte.trimmed();
    const auto fenetres = QApplication::topLevelWidgets();
    for (QWidget* f : fenetres) {
        if (f->objectName() != u"main") continue;
        if (auto* etat = f->findChild<QLabel*>(QStringLiteral("lib_etat")))
            etat->setText(QStringLiteral(" ") + texte);
        break;
    }
    QCoreApplication::processEvents();
}

} // namespace orvaline
