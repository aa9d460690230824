// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/dossierappli.h"
#include "shared/sortie.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace orvaline {

// Full path of the settings file "Orvaline.ini". It stays beside the program only for a
// portable copy: a folder of the user's own, neither a system folder nor an installed copy's,
// where the file
// already is or can be created. Otherwise, whoever runs the program (root included), it goes
// to the user's configuration folder, which is created when missing. A file left in a system
// folder by an earlier version is neither used nor deleted.
QString emplacementFichierIni(const DossierAppli& appli, const QString& dossierConfig);

// The options of the settings file, as the program uses them.
struct Options {
    bool saisdate = false;      // quick date entry
    bool saisnombre = false;    // quick number entry
    bool alsacemoselle = false; // the two extra holidays of Alsace-Moselle
    bool garderseance = false;  // the tape and the history come back at the next start
    // The web browser's whole path; nothing when the key is missing or empty.
    std::optional<QString> navigateur;

    // The options of a new settings file.
    static Options parDefaut();
    // Reads the options as the file holds them: each switch is a number rounded half to even
    // and held to 0 or 1, so that an unreadable one is off. A missing or empty entry option
    // reads as its default, whether or not it could be written back.
    static Options lire(const QString& fichier);
    // Writes the options; a key marked so in the table (Alsacemoselle, Garderseance) only when it
    // differs from `lues`, so that a file without it keeps its default lines. False when any write
    // failed.
    bool enregistrer(const QString& fichier, const Options& lues) const;
};

// The default settings file: an empty line, the section line, then each key that has a
// default, in the order of the table of keys.
QByteArray contenuParDefaut();

// The options in force for the run, held here only: every reader of an option asks this
// object, under the design's names, and the windows that show one follow `modifie`. A new
// option is a member of `Options`, a row of the table of keys and an accessor here.
class Reglages : public QObject {
    Q_OBJECT
public:
    const Options& options() const { return m_options; }
    bool opt_saisdate() const { return m_options.saisdate; }
    bool opt_saisnombre() const { return m_options.saisnombre; }
    bool alsacemoselle() const { return m_options.alsacemoselle; }
    bool garderseance() const { return m_options.garderseance; }
    // The browser as the file holds it now: never kept, so a path changed by hand is used
    // at once.
    std::optional<QString> navigateur() const;

    // Back to the options of a new file, before any file is read.
    void reinitialiser();
    // Reads `fichier_ini`: a missing or empty entry option is first written back as "1",
    // and reads as 1 even where the write-back does not take (a read-only file). The
    // Alsace-Moselle option is read but never written back.
    void charger();
    // The options dialog's Ok: writes `choisies` to `fichier_ini` and puts them into force
    // for the rest of the run even when the file refused them (the user is then told, and
    // false comes back); the browser is the file's, so a refused one does not change.
    bool enregistrer(const Options& choisies);
    // Puts `options` into force for the run, without touching the file.
    void appliquer(const Options& options);

signals:
    void modifie();

private:
    Options m_options = Options::parDefaut();
};

Reglages& reglages();

// Writes the default settings file at `fichier_ini`, replacing anything there. On failure the
// user is told that the program is about to end, and false comes back: the caller then ends
// the program through its exit routine.
bool creationfichini();

// Reads the entry options of `fichier_ini` into force (see `Reglages::charger`).
void lireoptions();

// The settings steps of the main window's load: `fichier_ini` is placed beside `chemin_appli`
// (or in the user's configuration folder), the file is created when missing, then the
// options are read. When the file cannot be created, `fermer` runs (by default the exit
// routine with status 1, which does not come back); false comes back from any other `fermer`.
bool chargerReglages(const std::function<void()>& fermer = [] { fermerappli(1); });

} // namespace orvaline
