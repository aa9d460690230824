// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/internet.h"

#include "platform/boitesysteme.h"
#include "platform/connexion.h"
#include "platform/lanceur.h"
#include "platform/services.h"
#include "shared/attente.h"
#include "shared/fabricant.h"
#include "shared/fichiers.h"
#include "shared/libcalc.h"
#include "shared/reglages.h"

#include <QFileInfo>

namespace orvaline {

namespace {
const QString& sautLigne() {
    static const QString defaut = QStringLiteral("\r\n");
    return libcalc().saut_ligne.isEmpty() ? defaut : libcalc().saut_ligne;
}
} // namespace

namespace adresses {
QString installateur() {
    // Only over https: a package fetched in clear could be swapped on the way.
    return QStringLiteral("https://") + fabricant::hoteTelechargement.toString() +
           fabricant::cheminPaquet.toString();
}
QString courrielSupport() {
    return QStringLiteral("mailto:") + fabricant::courriel.toString();
}
QString site() {
    return fabricant::site.toString();
}
QString forum() {
    return site() + QStringLiteral("/Forum/Forum.htm");
}
QString faq() {
    return site() + QStringLiteral("/Comptes/FAQ.htm");
}
} // namespace adresses

void lirenavigateur(QString& chemin, qint16& trouve) {
    trouve = 0;
    chemin.clear();
    const QString& nl = sautLigne();
    QString message;
    if (const auto valeur = reglages().navigateur()) {
        chemin = *valeur;
        if (!testerfichier(chemin))
            message =
                QStringLiteral("Le Programme de Navigation est introuvable :") + nl + nl + chemin;
        else if (!QFileInfo(chemin).isExecutable())
            message = QStringLiteral("Le Programme de Navigation n'est pas un programme "
                                     "exécutable :") +
                      nl + nl + chemin;
        else {
            trouve = 1;
            return;
        }
    } else {
        message = QStringLiteral("Vous devez tout d'abord définir") + nl +
                  QStringLiteral("le Programme de Navigation Internet à") + nl +
                  QStringLiteral("partir du Menu [Mode-Options].");
    }
    plateforme::boiteSysteme().afficher(BoiteSysteme::Icone::Information,
                                        QStringLiteral("Navigateur Internet"), message);
}

void verifierconnexion(qint16 demander, qint16& connecte) {
    connecte = 0;
    for (int essai = 1; essai <= 3; ++essai) {
        if (plateforme::connexion().connecte()) {
            connecte = 1;
            return;
        }
        if (essai < 3) pause(0.5);
    }
    if (demander != 1) return;
    const QString& nl = sautLigne();
    const QString texte =
        QStringLiteral("Il semble que vous ne soyez pas connecté à Internet ... ") + nl + nl +
        QStringLiteral("- Cliquez sur [Ok] pour continuer malgré tout. ") + nl +
        QStringLiteral("- Cliquez sur [Annuler] pour interrompre la Connexion. ");
    const auto reponse = plateforme::boiteSysteme().afficher(
        BoiteSysteme::Icone::Information, QStringLiteral("Connexion Internet"), texte,
        BoiteSysteme::Boutons::OkAnnuler);
    if (reponse == BoiteSysteme::Reponse::Ok) connecte = 1;
}

std::optional<Erreur> lancerNavigateur(const QString& chemin, const QString& adresse) {
    if (plateforme::lanceur().demarrer(chemin, {adresse}) != 0) return std::nullopt;
    const QFileInfo info(chemin);
    if (!info.isFile()) return erreurs::fichierIntrouvable(chemin);
    if (!info.isExecutable()) return erreurs::nonExecutable(chemin);
    return erreurs::demarrageImpossible(chemin);
}

} // namespace orvaline
