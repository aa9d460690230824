// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialoguefichierqt.h"

#include <QFileDialog>
#include <algorithm>

namespace orvaline {

namespace {
std::optional<QString> choisir(QWidget* parent, const DemandeFichier& demande, bool ecrire) {
    QFileDialog dialogue(parent, demande.titre, demande.dossier);
    dialogue.setFileMode(ecrire ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogue.setAcceptMode(ecrire ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Qt's own dialog speaks English unless told otherwise; the desktop's native one follows
    // the user's language by itself.
    dialogue.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    dialogue.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialogue.setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    dialogue.setLabelText(QFileDialog::Accept,
                          ecrire ? QStringLiteral("Enregistrer") : QStringLiteral("Ouvrir"));
    dialogue.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (!demande.filtres.isEmpty()) {
        dialogue.setNameFilters(demande.filtres);
        const qsizetype i = std::clamp<qsizetype>(demande.indexFiltre, 1, demande.filtres.size());
        dialogue.selectNameFilter(demande.filtres.at(i - 1));
    }
    // A name typed without an extension still gets the text file's one.
    if (ecrire) dialogue.setDefaultSuffix(QStringLiteral("txt"));
    if (!demande.fichier.isEmpty()) dialogue.selectFile(demande.fichier);
    if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList choisis = dialogue.selectedFiles();
    if (choisis.isEmpty()) return std::nullopt;
    return choisis.first();
}
} // namespace

std::optional<QString> DialogueFichierQt::ouvrir(QWidget* parent, const DemandeFichier& demande) {
    return choisir(parent, demande, false);
}

std::optional<QString> DialogueFichierQt::enregistrer(QWidget* parent,
                                                      const DemandeFichier& demande) {
    return choisir(parent, demande, true);
}

} // namespace orvaline
