// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/lecturereglages.h"

#include "core/fichierini.h"
#include "core/nombres.h"

#include <QFileInfo>
#include <algorithm>

namespace orvaline {

QString cheminFichierIni(const DossierAppli& appli, const QString& dossierConfig) {
    const auto dansDossier = [](QString dossier) {
        while (dossier.endsWith(u'/'))
            dossier.chop(1);
        return dossier + QStringLiteral("/Orvaline.ini");
    };
    if (!appli.chemin.isEmpty() && appli.aMoi && !appli.installe && !dossierSysteme(appli.chemin)) {
        const QString aCote = dansDossier(appli.chemin);
        if (QFileInfo(aCote).isFile() || appli.inscriptible) return aCote;
    }
    return dansDossier(dossierConfig);
}

bool caseLue(const std::optional<QString>& texte) {
    return std::clamp(arrondiPair(lireNombre(texte.value_or(QString()))), 0.0, 1.0) == 1.0;
}

bool alsaceMoselleLue(const QString& fichier) {
    return caseLue(lireini(fichier, QStringLiteral("Options"),
                           QString::fromLatin1(cleAlsaceMoselle), tailleCase));
}

} // namespace orvaline
