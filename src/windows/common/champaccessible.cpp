// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/champaccessible.h"

#include <QLineEdit>

namespace orvaline {

ChampAccessible::ChampAccessible(QLineEdit* champ)
    : QAccessibleWidget(champ, QAccessible::EditableText) {}

QLineEdit* ChampAccessible::champ() const {
    return static_cast<QLineEdit*>(widget());
}

void* ChampAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessible::State ChampAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !champ()->isReadOnly();
    s.readOnly = champ()->isReadOnly();
    s.selectableText = true;
    return s;
}

QString ChampAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return champ()->text();
    return QAccessibleWidget::text(t);
}

void ChampAccessible::selection(int index, int* debut, int* fin) const {
    *debut = *fin = 0;
    if (index != 0 || !champ()->hasSelectedText()) return;
    *debut = champ()->selectionStart();
    *fin = champ()->selectionEnd();
}

int ChampAccessible::selectionCount() const {
    return champ()->hasSelectedText() ? 1 : 0;
}

void ChampAccessible::addSelection(int debut, int fin) {
    setSelection(0, debut, fin);
}

void ChampAccessible::removeSelection(int index) {
    if (index == 0) champ()->deselect();
}

void ChampAccessible::setSelection(int index, int debut, int fin) {
    if (index == 0) champ()->setSelection(debut, fin - debut);
}

int ChampAccessible::cursorPosition() const {
    return champ()->cursorPosition();
}

void ChampAccessible::setCursorPosition(int position) {
    champ()->setCursorPosition(position);
}

QString ChampAccessible::text(int debut, int fin) const {
    if (debut > fin) return {};
    return champ()->text().mid(debut, fin - debut);
}

int ChampAccessible::characterCount() const {
    return int(champ()->text().size());
}

QRect ChampAccessible::characterRect(int position) const {
    // Measured on the text as laid out from the left, without moving the caret to ask.
    const QLineEdit* c = champ();
    const QFontMetrics mesure = c->fontMetrics();
    const QRect zone = c->contentsRect().adjusted(2, 0, 0, 0);
    const QPoint coin(zone.left() + mesure.horizontalAdvance(c->text().left(position)), zone.top());
    return {c->mapToGlobal(coin),
            QSize(mesure.horizontalAdvance(c->text().mid(position, 1)), zone.height())};
}

int ChampAccessible::offsetAtPoint(const QPoint& point) const {
    return champ()->cursorPositionAt(champ()->mapFromGlobal(point));
}

void ChampAccessible::scrollToSubstring(int debut, int) {
    champ()->setCursorPosition(debut);
}

QString ChampAccessible::attributes(int, int* debut, int* fin) const {
    // No attributes, over the whole text at once.
    *debut = 0;
    *fin = characterCount();
    return {};
}

} // namespace orvaline
