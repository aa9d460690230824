// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QPlainTextEdit;
class QWidget;

namespace orvaline {

// A frame's history box: locked, black on white in the fixed-pitch font, a vertical scroll
// bar always there and a ring while it has the focus. Lines that are too long wrap.
QPlainTextEdit* creerHistorique(QWidget* cadre, const QString& nom, const QRect& place,
                                const QString& nomAccessible);

// Locks the box against typing while leaving it a caret the keyboard moves, so that a screen
// reader reads its lines one by one and from the caret to the end. Qt's read-only mode alone
// gives only the mouse a way in.
void verrouillerHistorique(QPlainTextEdit* boite);

} // namespace orvaline
