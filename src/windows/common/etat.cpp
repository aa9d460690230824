// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/etat.h"

#include <QCoreApplication>

namespace orvaline {

void afficheretat(QString& texte) {
    // No window has a "lib_etat" label, so the text only loses its blanks; pending events
    // still run, as the callers expect.
    texte = texte.trimmed();
    QCoreApplication::processEvents();
}

} // namespace orvaline
