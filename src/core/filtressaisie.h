// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <Qt>
#include <optional>

namespace orvaline {

// A line edit's state as the filters see it: its text and its caret (the selection start).
// In a filter's answer, `selection` characters after the caret are to be left selected, so
// that what is typed next replaces them.
struct TexteCurseur {
    QString texte;
    int curseur = 0;
    int selection = 0;

    friend bool operator==(const TexteCurseur&, const TexteCurseur&) = default;
};

// The key released in the field, as QKeyEvent::key() gives it, whether it came from the
// numeric keypad (Qt::KeypadModifier) and whether Shift was held: with Shift the moving keys
// only select, and the filters leave the field alone. The filters react to these keys:
//   Qt::Key_Backspace, Key_Left, Key_Right, Key_Print, Key_Delete  editing, left alone
//   Qt::Key_End, Key_Home      last / first day of this month (dates); left alone (numbers)
//   Qt::Key_Insert             today (dates)
//   Qt::Key_PageUp, Key_PageDown   one month forward / back (dates); +10 / -10 (numbers)
//   Qt::Key_Up, Key_Down           one day forward / back (dates); +1 / -1 (numbers)
//   Qt::Key_Plus, Key_Minus from the keypad only   one day forward / back (dates)
//   Qt::Key_Period, Key_Comma (keypad or not)      the decimal mark the user meant (numbers)
// Any other key just has the text filtered.
struct ToucheRelachee {
    int code = 0;
    bool paveNumerique = false;
    bool majuscule = false;
    bool controle = false;

    static ToucheRelachee depuis(int code, Qt::KeyboardModifiers modificateurs) {
        return {code, modificateurs.testFlag(Qt::KeypadModifier),
                modificateurs.testFlag(Qt::ShiftModifier),
                modificateurs.testFlag(Qt::ControlModifier)};
    }
};

// The date filter, run on every key release in a date field: keeps digits and separators,
// steps the date from the keyboard and, when completion is on, adds the separators and the
// year while the user types "ddmm". The year it adds is left selected, so a year typed next
// replaces it, and a "/" typed where it has just put one is absorbed. Nothing when the field
// is to be left as it is.
std::optional<TexteCurseur> filtredate(const TexteCurseur& champ, bool completion,
                                       ToucheRelachee touche, QDate aujourdhui);

// The number filter, run on every key release in a number field: keeps digits, one decimal
// symbol and a leading "-" when negatives are allowed, and steps the value from the keyboard
// when stepping is on. symbole_decimal is 2 for ",", anything else for ".". Nothing when the
// field is to be left as it is. A step is added exactly to the digits typed, whatever their
// number, and the result written as the shortest plain decimal text (see ajouterEntier).
std::optional<TexteCurseur> filtrenombre(const TexteCurseur& champ, bool negatifs, bool pas,
                                         ToucheRelachee touche, qint16 symbole_decimal);

} // namespace orvaline
