// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/imprimantemodule.h"

#include "impression/impression.h"

#include <QCoreApplication>
#include <QLibrary>

namespace orvaline {

namespace {
using FonctionImprimer = bool (*)(QWidget*, const TravailImpression&);

// Resolved once; the module stays loaded, since its dialogs' classes must outlive any call.
FonctionImprimer chargerModule(QString& erreur) {
    static FonctionImprimer fonction = nullptr;
    if (fonction) return fonction;
    // Beside the program for a build or a portable copy, else where the package installs it.
    const QString programme = QCoreApplication::applicationDirPath();
    const QString dossiers[] = {programme,
                                programme + u'/' + QStringLiteral(ORVALINE_DOSSIER_MODULES)};
    for (const QString& dossier : dossiers) {
        QLibrary module(dossier + QStringLiteral("/liborvaline_impression.so"));
        if (!module.load()) {
            erreur = module.errorString();
            continue;
        }
        fonction = reinterpret_cast<FonctionImprimer>(module.resolve(orvaline_symbole_imprimer));
        if (fonction) return fonction;
        erreur = module.errorString();
    }
    return nullptr;
}
} // namespace

std::optional<QString> ImprimanteModule::imprimer(QWidget* parent, const QString& titre,
                                                  const QString& texte) {
    QString erreur;
    const FonctionImprimer fonction = chargerModule(erreur);
    if (!fonction)
        return QStringLiteral("Le module d'impression d'Orvaline (liborvaline_impression.so) "
                              "est introuvable ou ne se charge pas : ") +
               erreur;
    fonction(parent, TravailImpression{titre, texte});
    return std::nullopt;
}

} // namespace orvaline
