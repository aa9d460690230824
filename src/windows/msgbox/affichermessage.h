// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// Shows the program's own modal message box and gives the answer: 1 for the first button,
// 0 for the second (1 for the single "Ok" of set 1).
// Pictures: 0 none, 1 error, 2 question, 3 warning, 4 information, 5 padlock, 6 waste bin,
// 7 alarm clock, 8 and 9 the discs 1 and 2. Sets: 1 Ok, 2 Ok/Annuler, 3 Oui/Non,
// 4 Réessayer/Annuler, 5 Option 1/Option 2.
qint16 affichermessage(const QString& message, qint16 image, qint16 jeuBoutons,
                       const QString& titre, qint16 aide = 0);

} // namespace orvaline
