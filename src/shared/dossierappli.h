// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

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

} // namespace orvaline
