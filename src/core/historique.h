// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace orvaline {

// The time calculator prints every step on a paper-roll tape shown right-aligned in a
// fixed-pitch box, so each line is built to end in the same column.

// One tape line, without its line break. For "x" and "/" it is a number line: the operator,
// blanks up to 16 characters, `se` in its general form with the given decimal symbol, a blank.
// Otherwise ("", "+", "-", "=") it is a duration line: operator, blank, days on three digits
// or more, " J  ", hours:minutes:seconds on two digits or more, a blank. Each duration piece
// is rounded half away from zero.
QString ligneHistorique(QStringView oper, double jo, double hr, double mn, double se,
                        QChar symboleDecimal);

// Appends one line to the tape text. A line break goes before every line (so an empty tape
// starts with an empty line), and one more after a result ("=") so that calculations are
// separated by an empty line. The tape lives in a plain-text box, hence "\n".
void historique(QString& bande, QStringView oper, double jo, double hr, double mn, double se,
                QChar symboleDecimal);

} // namespace orvaline
