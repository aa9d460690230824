// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/imprimantemodule.h"

#include "impression/impression.h"

#include <QCoreApplication>
#include <QLibrary>

namespace orvaline {

ImprimanteModule::ImprimanteModule()
    : ImprimanteModule(
          {QCoreApplication::applicationDirPath(), QCoreApplication::applicationDirPath() + u'/' +
                                                       QStringLiteral(ORVALINE_DOSSIER_MODULES)}) {}

ImprimanteModule::ImprimanteModule(QStringList dossiers) : m_dossiers(std::move(dossiers)) {}

// Resolved once; the module is never unloaded, since its dialogs' classes must outlive any
// call.
ImprimanteModule::FonctionImprimer ImprimanteModule::charger(QString& erreur) {
    if (m_fonction) return m_fonction;
    for (const QString& dossier : std::as_const(m_dossiers)) {
        QLibrary module(dossier + QStringLiteral("/liborvaline_impression.so"));
        if (!module.load()) {
            erreur = module.errorString();
            continue;
        }
        m_fonction = reinterpret_cast<FonctionImprimer>(module.resolve(orvaline_symbole_imprimer));
        if (m_fonction) return m_fonction;
        erreur = module.errorString();
    }
    return nullptr;
}

ResultatImpression ImprimanteModule::imprimer(QWidget* parent, const TravailImpression& travail) {
    QString erreur;
    const FonctionImprimer fonction = charger(erreur);
    if (!fonction) {
        ResultatImpression echec;
        echec.issue = IssueImpression::Echouee;
        echec.raison = QStringLiteral("Le module d'impression d'Orvaline "
                                      "(liborvaline_impression.so) est introuvable ou ne se "
                                      "charge pas : ") +
                       erreur;
        return echec;
    }
    ResultatImpression resultat;
    fonction(parent, travail, resultat);
    return resultat;
}

} // namespace orvaline
