// SPDX-License-Identifier: GPL-3.0-or-later
// The only code that knows which entries of the hand-over table carry a message and its answer.
#include "windows/msgbox/echangemessage.h"

#include "core/nombres.h"
#include "shared/libcalc.h"

#include <algorithm>

namespace orvaline {

void deposerMessage(const QString& message, qint16 image, qint16 jeuBoutons, const QString& titre,
                    qint16 aide) {
    auto& p = libcalc().param_msg;
    p[1] = message.trimmed();
    p[2] = QString::number(image);
    p[3] = QString::number(jeuBoutons);
    p[4] = titre;
    p[5] = QString::number(aide);
}

qint16 reponseMessage() {
    return lireEntier16(libcalc().param_msg[1]);
}

Avis demandeMessage() {
    const auto& p = libcalc().param_msg;
    Avis d;
    d.texte = p[1];
    d.image = int(std::clamp(arrondiPair(lireNombre(p[2])), 0.0, 9.0));
    d.boutons = int(std::clamp(arrondiPair(lireNombre(p[3])), 1.0, 5.0));
    d.titre = p[4].trimmed();
    d.aide = lireEntier16(p[5]);
    return d;
}

void rendreReponseMessage(int reponse) {
    libcalc().param_msg[1] = QString::number(reponse);
}

} // namespace orvaline
