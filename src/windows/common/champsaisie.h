// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/filtressaisie.h"

#include <QLineEdit>
#include <functional>
#include <optional>

namespace orvaline {

// A text field that tells its window about key releases (the entry filters run then), lets
// the window swallow a key press (Enter moves to the next field) and reports loss of focus.
class ChampSaisie : public QLineEdit {
    Q_OBJECT
public:
    explicit ChampSaisie(QWidget* parent = nullptr);

    // Called before a key press is handled; returning true swallows the key.
    std::function<bool(QKeyEvent*)> filtreTouche;

    // A field that holds a lone "0" has it replaced by the first digit typed, however the
    // focus came (Tab selects it, a click only places the caret), instead of writing "05".
    bool remplacerZero = false;

    // The field as the entry filters see it.
    TexteCurseur etatFiltre() const;
    // The one way a filter's answer is written back. A text the filter keeps as it is stays
    // untouched, so the selection and undo history survive keys that only move or select.
    void appliquerFiltre(const std::optional<TexteCurseur>& reponse);
    // Selects a lone "0" of a field that has the focus, as the focus arriving does.
    void selectionnerZero();

private:
    void remplacerDifference(const QString& nouveau);

signals:
    void toucheRelachee(int touche, Qt::KeyboardModifiers modificateurs);
    void focusPerdu();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace orvaline
