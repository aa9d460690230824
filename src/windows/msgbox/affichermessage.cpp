// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/msgbox/affichermessage.h"

#include "windows/msgbox/echangemessage.h"
#include "windows/msgbox/usermsgbox.h"

namespace orvaline {

qint16 affichermessage(const QString& message, qint16 image, qint16 jeuBoutons,
                       const QString& titre, qint16 aide) {
    deposerMessage(message, image, jeuBoutons, titre, aide);
    UserMsgBox::instance().ouvrir();
    return reponseMessage();
}

} // namespace orvaline
