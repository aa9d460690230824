// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/erreur.h"

#include <QString>

namespace orvaline {

// The text of the error report for an error caught in a handler.
QString texteErreur(const QString& module, const Erreur& erreur);

// Shows the error report ("Erreurs", critical icon, one Ok) and gives the answer 0.
qint16 signalererreur(const QString& module, const Erreur& erreur);

} // namespace orvaline
