// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/sortie.h"

#include <QString>
#include <functional>
#include <optional>

namespace orvaline {

// What the settings-file rule needs to know of the program's folder.
struct DossierAppli {
    QString chemin;            // with links resolved; empty when the folder is unknown
    bool aMoi = false;         // owned by the user running the program
    bool inscriptible = false; // that user may create files in it
    // Installed under a prefix, menu entry and all (prefix/bin beside prefix/share), as a
    // package or "make install" leaves it, wherever that prefix is.
    bool installe = false;
};

// Looks at the program's folder as it is on disk; an empty or missing folder is unknown.
DossierAppli examinerDossier(const QString& dossier);

// Whether a folder (links resolved) belongs to the system: "/" itself, or a folder under
// /usr, /bin, /sbin, /lib*, /opt, /etc or /var.
bool dossierSysteme(const QString& chemin);

// Full path of the settings file "Orvaline.ini". It stays beside the program only for a
// portable copy: a folder of the user's own, neither a system folder nor an installed copy's,
// where the file
// already is or can be created. Otherwise, whoever runs the program (root included), it goes
// to the user's configuration folder, which is created when missing. A file left in a system
// folder by an earlier version is neither used nor deleted.
QString emplacementfichierini(const DossierAppli& appli, const QString& dossierConfig);

// Writes the default settings file at `fichier_ini`, replacing anything there. On failure the
// user is told that the program is about to end, and false comes back: the caller then ends
// the program through its exit routine.
bool creationfichini();

// The options of the settings file, as the program uses them.
struct Options {
    bool saisdate = false;      // quick date entry
    bool saisnombre = false;    // quick number entry
    bool alsacemoselle = false; // the two extra holidays of Alsace-Moselle
    // The web browser's whole path; nothing when the key is missing or empty.
    std::optional<QString> navigateur;

    // Reads the options as the file holds them: each switch is a number rounded half to even
    // and held to 0 or 1, so that a missing or unreadable one is off.
    static Options lire(const QString& fichier);
    // Writes the options; the Alsace-Moselle key only when it differs from `lues` (as read
    // before), so that a file without it keeps its default lines. False when any write failed.
    bool enregistrer(const QString& fichier, const Options& lues) const;
};

// The options dialog's Ok: writes the options to `fichier_ini`, puts them into force for the
// rest of the run, and tells the user when the file refused them.
void enregistreroptions(const Options& options, const Options& lues);

// Reads the two entry options from the settings file into `opt_saisdate` and
// `opt_saisnombre`: a missing or empty key is first written back as "1"; the text is read
// as a number, rounded half to even and held to 0 or 1. Where the write-back does not take
// (a read-only file) the option reads as 0. The Alsace-Moselle holidays option is read too,
// but never written back: a file without its key keeps its default lines and means off.
void lireoptions();

// The key of the Alsace-Moselle holidays option, written only once the user changes it.
inline QString cleAlsaceMoselle() {
    return QStringLiteral("Alsacemoselle");
}

// The settings steps of the main window's load: `fichier_ini` is placed beside `chemin_appli`
// (or in the user's configuration folder), the file is created when missing, then the
// options are read. When the file cannot be created, `fermer` runs (by default the exit
// routine with status 1, which does not come back); false comes back from any other `fermer`.
bool chargerreglages(const std::function<void()>& fermer = [] { fermerappli(1); });

} // namespace orvaline
