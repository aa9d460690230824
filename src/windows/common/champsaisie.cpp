// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/champsaisie.h"

#include <QKeyEvent>
#include <algorithm>

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
    remplacerDifference(reponse->texte);
    if (reponse->selection > 0)
        // Anchored at the end, the caret stays where typing goes on.
        setSelection(reponse->curseur + reponse->selection, -reponse->selection);
    else
        setCursorPosition(reponse->curseur);
}

void ChampSaisie::remplacerDifference(const QString& nouveau) {
    // Only what changed is replaced: a screen reader hears "/" or "2026" come in, where
    // rewriting the whole text would have it hear the whole text go and come back.
    const QString ancien = text();
    const qsizetype commun = std::min(ancien.size(), nouveau.size());
    qsizetype debut = 0;
    while (debut < commun && ancien[debut] == nouveau[debut])
        ++debut;
    qsizetype fin = 0;
    while (fin < commun - debut &&
           ancien[ancien.size() - 1 - fin] == nouveau[nouveau.size() - 1 - fin])
        ++fin;
    const qsizetype enleves = ancien.size() - debut - fin;
    if (enleves > 0)
        setSelection(int(debut), int(enleves));
    else
        setCursorPosition(int(debut));
    insert(nouveau.mid(debut, nouveau.size() - debut - fin));
}

void ChampSaisie::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    emit toucheRelachee(event->key(), event->modifiers());
}

void ChampSaisie::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectionnerZero();
}

void ChampSaisie::selectionnerZero() {
    if (remplacerZero && text() == u"0") selectAll();
}

void ChampSaisie::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusPerdu();
}

} // namespace orvaline
