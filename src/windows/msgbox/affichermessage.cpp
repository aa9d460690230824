// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/msgbox/affichermessage.h"

#include "core/nombres.h"
#include "shared/fenetres.h"
#include "shared/libcalc.h"
#include "windows/msgbox/usermsgbox.h"

namespace orvaline {

qint16 affichermessage(const QString& message, qint16 image, qint16 jeuBoutons,
                       const QString& titre, qint16 aide) {
    auto& p = libcalc().param_msg;
    p[1] = message.trimmed();
    p[2] = QString::number(image);
    p[3] = QString::number(jeuBoutons);
    p[4] = titre;
    p[5] = QString::number(aide);
    UserMsgBox::instance().executer();
    retourModal();
    return lireEntier16(p[1]);
}

} // namespace orvaline
