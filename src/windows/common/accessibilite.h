// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemView;
class QAccessibleEvent;

namespace orvaline {

// What a screen reader hears from the labels, beyond Qt's defaults: a label is announced by
// its own text (or the name given to it), never by the caption of the frame around it when
// it is empty; a picture without a name of its own is decoration and is hidden from the
// reader. Call once, after the application object exists and before any window is built.
void installerAccessibilite();

// A list that takes the focus tells the screen reader its current line, as moving in it does:
// Qt announces only the list ("Unité, liste à 10 éléments").
void annoncerLigneAuFocus(QAbstractItemView* liste);

// While it lives, the screen reader is told nothing. Qt 6.4 sends the object in place of a
// new name or description, which Orca tries to speak and fails on, and a list whose current
// line changes claims the focus for that line even when the list does not have it.
class SilenceAccessible {
public:
    SilenceAccessible();
    ~SilenceAccessible();
    SilenceAccessible(const SilenceAccessible&) = delete;
    SilenceAccessible& operator=(const SilenceAccessible&) = delete;

private:
    void (*m_avant)(QAccessibleEvent*) = nullptr;
};

} // namespace orvaline
