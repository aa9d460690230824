// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/reglages.h"

#include "core/fichierini.h"
#include "core/nombres.h"
#include "platform/boitesysteme.h"
#include "platform/services.h"
#include "shared/fichiers.h"
#include "shared/libcalc.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace orvaline {

namespace {

const QString nomFichier = QStringLiteral("Orvaline.ini");
const QString sectionOptions = QStringLiteral("Options");
constexpr qint16 tailleOption = 5;

QString dansDossier(QString dossier, const QString& nom) {
    while (dossier.endsWith(u'/'))
        dossier.chop(1);
    return dossier + u'/' + nom;
}

QByteArray contenuParDefaut() {
    return QByteArrayLiteral("\r\n"
                             "[Options]\r\n"
                             "Saisdate=1\r\n"
                             "Saisnombre=1\r\n"
                             "Navigateur=/usr/bin/xdg-open\r\n");
}

qint16 lireoption(const QString& cle) {
    const QString& fichier = libcalc().fichier_ini;
    std::optional<QString> texte = lireini(fichier, sectionOptions, cle, tailleOption);
    if (!texte) {
        ecrireini(sectionOptions, cle, QStringLiteral("1"), fichier);
        texte = lireini(fichier, sectionOptions, cle, tailleOption);
    }
    const double n = arrondiPair(lireNombre(texte.value_or(QString())));
    return qint16(std::clamp(n, 0.0, 1.0));
}

} // namespace

bool dossierInscriptible(const QString& dossier) {
    const QFileInfo info(dossier.isEmpty() ? QStringLiteral("/") : dossier);
    return info.isDir() && info.isWritable();
}

QString emplacementfichierini(const QString& dossierAppli, const QString& dossierConfig,
                              const std::function<bool(const QString&)>& inscriptible) {
    const QString dossier = dossierAppli.isEmpty() ? QStringLiteral("/") : dossierAppli;
    const QString aCote = dansDossier(dossier, nomFichier);
    if (QFileInfo(aCote).isFile() || inscriptible(dossier)) return aCote;
    QDir().mkpath(dossierConfig);
    return dansDossier(dossierConfig, nomFichier);
}

bool creationfichini() {
    const Libcalc& e = libcalc();
    const QByteArray contenu = contenuParDefaut();
    QSaveFile fichier(e.fichier_ini);
    if (!e.fichier_ini.isEmpty() && fichier.open(QIODevice::WriteOnly) &&
        fichier.write(contenu) == contenu.size() && fichier.commit())
        return true;

    const QString nl = e.saut_ligne.isEmpty() ? QStringLiteral("\r\n") : e.saut_ligne;
    plateforme::boiteSysteme().afficher(
        BoiteSysteme::Icone::Exclamation, QStringLiteral("Orvaline"),
        QStringLiteral("Impossible de créer le Fichier suivant :") + nl + nl + e.fichier_ini + nl +
            nl + QStringLiteral("Le Programme va se terminer."));
    return false;
}

void lireoptions() {
    libcalc().opt_saisdate = lireoption(QStringLiteral("Saisdate"));
    libcalc().opt_saisnombre = lireoption(QStringLiteral("Saisnombre"));
    const auto alsace =
        lireini(libcalc().fichier_ini, sectionOptions, cleAlsaceMoselle(), tailleOption);
    libcalc().opt_alsacemoselle =
        qint16(std::clamp(arrondiPair(lireNombre(alsace.value_or(QString()))), 0.0, 1.0));
}

bool chargerreglages(const std::function<void()>& fermer) {
    Libcalc& e = libcalc();
    e.fichier_ini = emplacementfichierini(
        e.chemin_appli, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    QString chemin = e.fichier_ini;
    if (!testerfichier(chemin) && !creationfichini()) {
        if (fermer) fermer();
        return false;
    }
    lireoptions();
    return true;
}

} // namespace orvaline
