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
    const QString frappe = event->text();
    if (remplacerZero && text() == u"0" && frappe.size() == 1 && frappe[0].isDigit()) selectAll();
    QLineEdit::keyPressEvent(event);
}

TexteCurseur ChampSaisie::etatFiltre() const {
    return {text(), hasSelectedText() ? selectionStart() : cursorPosition()};
}

void ChampSaisie::appliquerFiltre(const std::optional<TexteCurseur>& reponse) {
    if (!reponse) return;
    if (reponse->texte == text()) {
        if (!hasSelectedText() && reponse->selection == 0) setCursorPosition(reponse->curseur);
        return;
    }
    setText(reponse->texte);
    if (reponse->selection > 0)
        // Anchored at the end, the caret stays where typing goes on.
        setSelection(reponse->curseur + reponse->selection, -reponse->selection);
    else
        setCursorPosition(reponse->curseur);
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
