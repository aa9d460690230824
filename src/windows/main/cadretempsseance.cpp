// SPDX-License-Identifier: GPL-3.0-or-later
// The time calculator's part in keeping a run: the tape taken up again, and the undo of
// "Effacer" and "Reset".
#include "windows/common/champsaisie.h"
#include "windows/common/fenetres.h"
#include "windows/main/cadretemps.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <utility>

namespace orvaline {

void CadreTemps::reprendre(const QString& bande) {
    m_temps.reprendreBande(bande);
    // Straight into the box: the lines are not new, nothing is told of them.
    sais_histo->setPlainText(bande);
    sais_histo->moveCursor(QTextCursor::End);
    sais_histo->ensureCursorVisible();
}

bool CadreTemps::annulerEffacement() {
    if (!m_avantEffacement) return false;
    m_temps = *std::exchange(m_avantEffacement, std::nullopt);
    // The tape grows back from what is shown, which tells the lines put back.
    afficherCadreTemps();
    donnerfocus(sais_time[m_temps.modeNombre() ? 4 : 1]);
    return true;
}

} // namespace orvaline
