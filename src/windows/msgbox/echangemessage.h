// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculatricetemps.h"

#include <QString>

namespace orvaline {

// The message box's hand-over through `param_msg`, between `affichermessage` and the box.

// The caller's side: what to show, then the answer once the box is closed.
void deposerMessage(const QString& message, qint16 image, qint16 jeuBoutons, const QString& titre,
                    qint16 aide);
qint16 reponseMessage();

// The box's side: what the last caller asked for (the same notice the calculators give),
// already held to the pictures and button sets that exist, and the answer given back.
Avis demandeMessage();
void rendreReponseMessage(int reponse);

} // namespace orvaline
