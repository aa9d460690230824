// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/enregistrement.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orvaline {

QString raisonEchecEcriture(const QString& chemin, QFileDevice::FileError erreur,
                            const QString& detail) {
    const QFileInfo cible(chemin);
    const QFileInfo dossier(cible.absolutePath());
    if (cible.isDir()) return QStringLiteral("Ce nom est celui d'un dossier.");
    if (!dossier.exists()) return QStringLiteral("Le dossier n'existe pas.");
    if (!dossier.isDir()) return QStringLiteral("Le chemin ne mène pas à un dossier.");
    if (cible.exists() && !cible.isWritable())
        return QStringLiteral("Le fichier est protégé contre l'écriture.");
    if (!dossier.isWritable() || !dossier.isExecutable())
        return QStringLiteral("Vous n'avez pas le droit d'écrire dans ce dossier.");
    if (erreur == QFileDevice::WriteError)
        return QStringLiteral("L'écriture a échoué ; le disque est peut-être plein.");
    return QStringLiteral("Le système a refusé l'écriture (") + detail + QStringLiteral(").");
}

std::optional<QString> enregistrerTexte(const QString& chemin, const QString& texte) {
    QSaveFile fichier(chemin);
    // Text mode writes "\r\n" where the platform wants it.
    const bool ouvert = fichier.open(QIODevice::WriteOnly | QIODevice::Text);
    if (ouvert) {
        const QByteArray octets = texte.toUtf8();
        if (fichier.write(octets) == octets.size() && fichier.commit()) return std::nullopt;
    }
    // Once the file is open, a failure is in the writing itself, whatever error the failed
    // commit leaves behind.
    const QString pourquoi = raisonEchecEcriture(
        chemin, ouvert ? QFileDevice::WriteError : fichier.error(), fichier.errorString());
    fichier.cancelWriting();
    return pourquoi;
}

} // namespace orvaline
