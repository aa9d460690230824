// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/rapporterreur.h"

#include "platform/boitesysteme.h"
#include "platform/services.h"
#include "shared/libcalc.h"

namespace orvaline {

QString texteErreur(const QString& module, const Erreur& erreur) {
    const QString& nl =
        libcalc().saut_ligne.isEmpty() ? QStringLiteral("\r\n") : libcalc().saut_ligne;
    return QStringLiteral("Erreur Système N° ") + QString::number(erreur.numero) + u' ' + nl +
           QString(40, u'-') + nl + QStringLiteral("Module : ") + module + u' ' + nl +
           QStringLiteral("Motif : ") + nl + nl + erreur.description;
}

qint16 signalererreur(const QString& module, const Erreur& erreur) {
    plateforme::boiteSysteme().afficher(BoiteSysteme::Icone::Critique, QStringLiteral("Erreurs"),
                                        texteErreur(module, erreur));
    return 0;
}

} // namespace orvaline
