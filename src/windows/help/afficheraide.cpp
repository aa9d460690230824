// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/help/afficheraide.h"

#include "platform/boitesysteme.h"
#include "platform/services.h"
#include "shared/libcalc.h"
#include "windows/help/fenetreaide.h"

#include <QUrl>

namespace orvaline {

QString pageAide(int sujet) {
    switch (sujet) {
    case 11:
        return QStringLiteral("options.html");
    case 12:
        return QStringLiteral("miseajour.html");
    case 102:
        return QStringLiteral("calculatricedates.html");
    case 103:
        return QStringLiteral("calculatricetemps.html");
    case 502:
        return QStringLiteral("calendrier.html");
    case 516:
        return QStringLiteral("contact.html");
    default:
        return QStringLiteral("sommaire.html");
    }
}

bool afficherAide(int sujet) {
    return afficherPageAide(pageAide(sujet));
}

bool afficherPageAide(const QString& fichier) {
    const std::optional<Erreur> erreur =
        FenetreAide::instance().afficher(QUrl(QStringLiteral("qrc:/help/") + fichier));
    if (!erreur) return true;
    const QString& saut = libcalc().saut_ligne;
    plateforme::boiteSysteme().afficher(BoiteSysteme::Icone::Exclamation, QStringLiteral("Aide"),
                                        QStringLiteral("Erreur Système N° ") +
                                            QString::number(erreur->numero) + saut +
                                            erreur->description + saut + saut +
                                            QStringLiteral("Impossible de consulter l'Aide ..."),
                                        BoiteSysteme::Boutons::Ok);
    return false;
}

} // namespace orvaline
