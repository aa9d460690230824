// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialoguefichier.h"

#include <QFileDialog>
#include <algorithm>

namespace orvaline {

std::optional<QString> DialogueFichierQt::ouvrir(QWidget* parent, const DemandeFichier& demande) {
    QFileDialog dialogue(parent, demande.titre, demande.dossier);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    if (!demande.filtres.isEmpty()) {
        dialogue.setNameFilters(demande.filtres);
        const qsizetype i = std::clamp<qsizetype>(demande.indexFiltre, 1, demande.filtres.size());
        dialogue.selectNameFilter(demande.filtres.at(i - 1));
    }
    if (!demande.fichier.isEmpty()) dialogue.selectFile(demande.fichier);
    if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList choisis = dialogue.selectedFiles();
    if (choisis.isEmpty()) return std::nullopt;
    return choisis.first();
}

} // namespace orvaline
