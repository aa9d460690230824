// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <functional>

namespace orvaline {

// A text field that tells its window about key releases (the entry filters run then), lets
// the window swallow a key press (Enter moves to the next field) and reports loss of focus.
class ChampSaisie : public QLineEdit {
    Q_OBJECT
public:
    explicit ChampSaisie(QWidget* parent = nullptr);

    // Called before a key press is handled; returning true swallows the key.
    std::function<bool(QKeyEvent*)> filtreTouche;

    // A field that holds a lone "0" selects it when the focus comes, so that typing replaces
    // it instead of writing "05".
    bool remplacerZero = false;

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
