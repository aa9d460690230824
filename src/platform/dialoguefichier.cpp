// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialoguefichier.h"

#include <QFileDialog>
#include <algorithm>

namespace orvaline {

std::optional<QString> DialogueFichierQt::ouvrir(QWidget* parent, const DemandeFichier& demande) {
    QFileDialog dialogue(parent, demande.titre, demande.dossier);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog speaks English unless told otherwise; the desktop's native one follows
    // the user's language by itself.
    dialogue.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    dialogue.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialogue.setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    dialogue.setLabelText(QFileDialog::Accept, QStringLiteral("Ouvrir"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
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
