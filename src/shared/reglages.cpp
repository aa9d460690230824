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
#include <limits>
#include <unistd.h>

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

const QString cleSaisdate = QStringLiteral("Saisdate");
const QString cleSaisnombre = QStringLiteral("Saisnombre");
const QString cleNavigateur = QStringLiteral("Navigateur");

bool lireCase(const QString& fichier, const QString& cle) {
    const QString texte = lireini(fichier, sectionOptions, cle, tailleOption).value_or(QString());
    return std::clamp(arrondiPair(lireNombre(texte)), 0.0, 1.0) == 1.0;
}

QString enTexte(bool valeur) {
    return valeur ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

Options Options::lire(const QString& fichier) {
    Options o;
    o.saisdate = lireCase(fichier, cleSaisdate);
    o.saisnombre = lireCase(fichier, cleSaisnombre);
    o.alsacemoselle = lireCase(fichier, cleAlsaceMoselle());
    // The whole path is read, however long, so that saving never writes back a cut one.
    o.navigateur =
        lireini(fichier, sectionOptions, cleNavigateur, std::numeric_limits<qint16>::max());
    return o;
}

bool Options::enregistrer(const QString& fichier, const Options& lues) const {
    bool enregistre = true;
    auto ecrire = [&](const QString& cle, const QString& valeur) {
        enregistre = ecrireini(sectionOptions, cle, valeur, fichier) && enregistre;
    };
    ecrire(cleSaisdate, enTexte(saisdate));
    ecrire(cleSaisnombre, enTexte(saisnombre));
    ecrire(cleNavigateur, navigateur.value_or(QString()).trimmed());
    if (alsacemoselle != lues.alsacemoselle) ecrire(cleAlsaceMoselle(), enTexte(alsacemoselle));
    return enregistre;
}

void enregistreroptions(const Options& options, const Options& lues) {
    Libcalc& e = libcalc();
    const bool enregistre = options.enregistrer(e.fichier_ini, lues);
    e.opt_saisdate = options.saisdate ? 1 : 0;
    e.opt_saisnombre = options.saisnombre ? 1 : 0;
    e.opt_alsacemoselle = options.alsacemoselle ? 1 : 0;
    // The entry options still apply until the program ends; the user must know that they
    // will not come back next time (and that the browser did not change at all).
    if (enregistre) return;
    const QString nl = e.saut_ligne.isEmpty() ? QStringLiteral("\r\n") : e.saut_ligne;
    plateforme::boiteSysteme().afficher(
        BoiteSysteme::Icone::Exclamation, QStringLiteral("Orvaline"),
        QStringLiteral("Impossible d'enregistrer les Options dans le Fichier suivant :") + nl + nl +
            e.fichier_ini + nl + nl +
            QStringLiteral("Les Options choisies ne sont pas enregistrées."));
}

DossierAppli examinerDossier(const QString& dossier) {
    if (dossier.isEmpty()) return {};
    const QFileInfo info(dossier);
    const QString chemin = info.canonicalFilePath();
    if (chemin.isEmpty() || !info.isDir()) return {};
    const bool installe =
        QFileInfo::exists(chemin + QStringLiteral("/../share/applications/orvaline.desktop"));
    return {chemin, info.ownerId() == ::geteuid(), info.isWritable(), installe};
}

bool dossierSysteme(const QString& chemin) {
    if (!chemin.startsWith(u'/')) return false;
    const QString tete = chemin.section(u'/', 1, 1);
    static const QStringList systeme = {QStringLiteral("usr"),  QStringLiteral("bin"),
                                        QStringLiteral("sbin"), QStringLiteral("opt"),
                                        QStringLiteral("etc"),  QStringLiteral("var")};
    return tete.isEmpty() || systeme.contains(tete) || tete.startsWith(u"lib");
}

QString emplacementfichierini(const DossierAppli& appli, const QString& dossierConfig) {
    if (!appli.chemin.isEmpty() && appli.aMoi && !appli.installe && !dossierSysteme(appli.chemin)) {
        const QString aCote = dansDossier(appli.chemin, nomFichier);
        if (QFileInfo(aCote).isFile() || appli.inscriptible) return aCote;
    }
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
    Libcalc& e = libcalc();
    // A missing entry option is switched on in the file first; where the file refuses, the
    // option reads as off.
    for (const QString& cle : {cleSaisdate, cleSaisnombre})
        if (!lireini(e.fichier_ini, sectionOptions, cle, tailleOption))
            ecrireini(sectionOptions, cle, QStringLiteral("1"), e.fichier_ini);
    const Options o = Options::lire(e.fichier_ini);
    e.opt_saisdate = o.saisdate ? 1 : 0;
    e.opt_saisnombre = o.saisnombre ? 1 : 0;
    e.opt_alsacemoselle = o.alsacemoselle ? 1 : 0;
}

bool chargerreglages(const std::function<void()>& fermer) {
    Libcalc& e = libcalc();
    e.fichier_ini =
        emplacementfichierini(examinerDossier(e.chemin_appli),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    QString chemin = e.fichier_ini;
    if (!testerfichier(chemin) && !creationfichini()) {
        if (fermer) fermer();
        return false;
    }
    lireoptions();
    return true;
}

} // namespace orvaline
