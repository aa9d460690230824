// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sonsysteme.h"

#include "platform/lanceur.h"

#include <QStringList>

namespace orvaline {

void SonSysteme::jouer(const QString& chemin) {
    Lanceur& lanceur = m_lanceur();
    for (const QString& lecteur : {QStringLiteral("pw-play"), QStringLiteral("paplay")}) {
        if (!lanceur.trouver(lecteur).isEmpty()) {
            lanceur.demarrer(lecteur, {chemin});
            return;
        }
    }
    if (!lanceur.trouver(QStringLiteral("aplay")).isEmpty())
        lanceur.demarrer(QStringLiteral("aplay"), {QStringLiteral("-q"), chemin});
}

} // namespace orvaline
