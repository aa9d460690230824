// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/champsaisie.h"

#include <QKeyEvent>

namespace orvaline {

ChampSaisie::ChampSaisie(QWidget* parent) : QLineEdit(parent) {}

void ChampSaisie::keyPressEvent(QKeyEvent* event) {
    if (filtreTouche && filtreTouche(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ChampSaisie::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    emit toucheRelachee(event->key(), event->modifiers());
}

void ChampSaisie::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (remplacerZero && text() == u"0") selectAll();
}

void ChampSaisie::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusPerdu();
}

} // namespace orvaline
