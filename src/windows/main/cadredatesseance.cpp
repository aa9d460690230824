// SPDX-License-Identifier: GPL-3.0-or-later
// The date calculator's part in keeping a run: the history taken up again, and the undo of
// "Reset".
#include "windows/common/champsaisie.h"
#include "windows/common/fenetres.h"
#include "windows/main/cadredates.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <utility>

namespace orvaline {

void CadreDates::reprendre(const QString& historique) {
    // Straight into the box: the lines are not new, nothing is told of them.
    sais_histo->setPlainText(historique);
    sais_histo->moveCursor(QTextCursor::End);
    sais_histo->ensureCursorVisible();
}

CadreDates::Saisies CadreDates::saisies() const {
    return {sais_date[1]->text(), sais_increment->text(),    sais_date[2]->text(),
            lib_calcul->text(),   sais_histo->toPlainText(), list_increment->currentRow()};
}

bool CadreDates::annulerEffacement() {
    if (!m_avantEffacement) return false;
    const Saisies avant = *std::exchange(m_avantEffacement, std::nullopt);
    // Putting the unit back must not calculate.
    const bool suspendu = std::exchange(m_suspendu, true);
    sais_date[1]->setText(avant.depart);
    sais_increment->setText(avant.increment);
    sais_date[2]->setText(avant.fin);
    list_increment->setCurrentRow(avant.unite);
    afficherResultat(avant.calcul);
    reprendre(avant.historique);
    emit lignesAjoutees(avant.historique);
    donnerfocus(sais_date[1]);
    m_suspendu = suspendu;
    return true;
}

} // namespace orvaline
