// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/reglages.h"

#include "core/fichierini.h"
#include "platform/boitesysteme.h"
#include "platform/services.h"
#include "shared/fichiers.h"
#include "shared/lecturereglages.h"
#include "shared/libcalc.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>
#include <array>
#include <limits>

namespace orvaline {

namespace {

const QString nomFichier = QStringLiteral("Orvaline.ini");
const QString sectionOptions = QStringLiteral("Options");

// One key of the file: its name, how much of its value is read, its line in a new file,
// how it reaches the file, and how its text becomes an option and back.
struct Cle {
    const char* nom;
    qint16 taille;       // characters read, plus one
    const char* defaut;  // value in a new file; nullptr: the key is not in a new file
    bool recrireAbsente; // a missing or empty value is written back as the default at start
    bool siChangee;      // written by Ok only when the user changed it
    void (*lire)(Options&, const std::optional<QString>&);
    QString (*ecrire)(const Options&);
};

QString caseEcrite(bool valeur) {
    return valeur ? QStringLiteral("1") : QStringLiteral("0");
}

// The whole browser path is read, however long, so that saving never writes back a cut one.
constexpr qint16 sansLimite = std::numeric_limits<qint16>::max();

constexpr std::array<Cle, 5> cles{{
    {"Saisdate", 5, "1", true, false,
     [](Options& o, const std::optional<QString>& t) { o.saisdate = caseLue(t); },
     [](const Options& o) { return caseEcrite(o.saisdate); }},
    {"Saisnombre", 5, "1", true, false,
     [](Options& o, const std::optional<QString>& t) { o.saisnombre = caseLue(t); },
     [](const Options& o) { return caseEcrite(o.saisnombre); }},
    {"Navigateur", sansLimite, "/usr/bin/xdg-open", false, false,
     [](Options& o, const std::optional<QString>& t) { o.navigateur = t; },
     [](const Options& o) { return o.navigateur.value_or(QString()).trimmed(); }},
    {cleAlsaceMoselle, tailleCase, nullptr, false, true,
     [](Options& o, const std::optional<QString>& t) { o.alsacemoselle = caseLue(t); },
     [](const Options& o) { return caseEcrite(o.alsacemoselle); }},
    {"Garderseance", 5, nullptr, false, true,
     [](Options& o, const std::optional<QString>& t) { o.garderseance = caseLue(t); },
     [](const Options& o) { return caseEcrite(o.garderseance); }},
}};

const Cle& cleNavigateur = cles[2];

QString nomDe(const Cle& cle) {
    return QString::fromLatin1(cle.nom);
}

std::optional<QString> lireCle(const QString& fichier, const Cle& cle) {
    return lireini(fichier, sectionOptions, nomDe(cle), cle.taille);
}

QString dansDossier(QString dossier, const QString& nom) {
    while (dossier.endsWith(u'/'))
        dossier.chop(1);
    return dossier + u'/' + nom;
}

QString sautLigne() {
    const QString& nl = libcalc().saut_ligne;
    return nl.isEmpty() ? QStringLiteral("\r\n") : nl;
}

} // namespace

Options Options::parDefaut() {
    Options o;
    for (const Cle& cle : cles)
        if (cle.defaut) cle.lire(o, QString::fromLatin1(cle.defaut));
    return o;
}

Options Options::lire(const QString& fichier) {
    Options o;
    for (const Cle& cle : cles) {
        std::optional<QString> valeur = lireCle(fichier, cle);
        if (!valeur && cle.recrireAbsente) valeur = QString::fromLatin1(cle.defaut);
        cle.lire(o, valeur);
    }
    return o;
}

bool Options::enregistrer(const QString& fichier, const Options& lues) const {
    bool enregistre = true;
    for (const Cle& cle : cles) {
        const QString valeur = cle.ecrire(*this);
        if (cle.siChangee && valeur == cle.ecrire(lues)) continue;
        enregistre = ecrireini(sectionOptions, nomDe(cle), valeur, fichier) && enregistre;
    }
    return enregistre;
}

QByteArray contenuParDefaut() {
    QByteArray contenu = "\r\n[" + sectionOptions.toLatin1() + "]\r\n";
    for (const Cle& cle : cles)
        if (cle.defaut) contenu += QByteArray(cle.nom) + '=' + cle.defaut + "\r\n";
    return contenu;
}

std::optional<QString> Reglages::navigateur() const {
    return lireCle(libcalc().fichier_ini, cleNavigateur);
}

void Reglages::reinitialiser() {
    appliquer(Options::parDefaut());
}

void Reglages::charger() {
    const QString& fichier = libcalc().fichier_ini;
    for (const Cle& cle : cles)
        if (cle.recrireAbsente && !lireCle(fichier, cle))
            ecrireini(sectionOptions, nomDe(cle), QString::fromLatin1(cle.defaut), fichier);
    appliquer(Options::lire(fichier));
}

bool Reglages::enregistrer(const Options& choisies) {
    const QString& fichier = libcalc().fichier_ini;
    const bool enregistre = choisies.enregistrer(fichier, m_options);
    Options enVigueur = choisies;
    enVigueur.navigateur = lireCle(fichier, cleNavigateur);
    appliquer(enVigueur);
    // The options still apply until the program ends; the user must know that they will not
    // come back next time (and that the browser did not change at all).
    if (!enregistre) {
        const QString nl = sautLigne();
        plateforme::boiteSysteme().afficher(
            BoiteSysteme::Icone::Exclamation, QStringLiteral("Orvaline"),
            QStringLiteral("Impossible d'enregistrer les Options dans le Fichier suivant :") + nl +
                nl + fichier + nl + nl +
                QStringLiteral("Les Options choisies ne sont pas enregistrées."));
    }
    return enregistre;
}

void Reglages::appliquer(const Options& options) {
    m_options = options;
    emit modifie();
}

Reglages& reglages() {
    static Reglages objet;
    return objet;
}

QString emplacementFichierIni(const DossierAppli& appli, const QString& dossierConfig) {
    const QString chemin = cheminFichierIni(appli, dossierConfig);
    if (appli.chemin.isEmpty() || chemin != dansDossier(appli.chemin, nomFichier))
        QDir().mkpath(dossierConfig);
    return chemin;
}

bool creationfichini() {
    const Libcalc& e = libcalc();
    const QByteArray contenu = contenuParDefaut();
    QSaveFile fichier(e.fichier_ini);
    if (!e.fichier_ini.isEmpty() && fichier.open(QIODevice::WriteOnly) &&
        fichier.write(contenu) == contenu.size() && fichier.commit())
        return true;

    const QString nl = sautLigne();
    plateforme::boiteSysteme().afficher(
        BoiteSysteme::Icone::Exclamation, QStringLiteral("Orvaline"),
        QStringLiteral("Impossible de créer le Fichier suivant :") + nl + nl + e.fichier_ini + nl +
            nl + QStringLiteral("Le Programme va se terminer."));
    return false;
}

void lireoptions() {
    reglages().charger();
}

bool chargerReglages(const std::function<void()>& fermer) {
    Libcalc& e = libcalc();
    e.fichier_ini =
        emplacementFichierIni(examinerDossier(e.chemin_appli),
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
