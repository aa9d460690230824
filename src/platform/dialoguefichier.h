// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace orvaline {

// What a file-open dialog is asked to show.
struct DemandeFichier {
    QString titre;
    QString dossier;     // the folder it opens in; empty means the current folder
    QString fichier;     // the file name preselected in it, or ""
    QStringList filtres; // "Name (pattern)" entries
    int indexFiltre = 1; // the filter chosen at first, counted from 1
};

// The desktop's file dialogs. A cancelled dialog gives nothing back.
class DialogueFichier {
public:
    virtual ~DialogueFichier() = default;
    // Picks an existing file.
    virtual std::optional<QString> ouvrir(QWidget* parent, const DemandeFichier& demande) = 0;
    // Names a file to write; the dialog asks before an existing file is replaced.
    virtual std::optional<QString> enregistrer(QWidget* parent, const DemandeFichier& demande) = 0;
};

} // namespace orvaline
