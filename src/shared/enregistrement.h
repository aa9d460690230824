// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDevice>
#include <QString>
#include <optional>

namespace orvaline {

// Why writing `chemin` failed, as one French sentence for the user: Qt words its errors in
// English, so the reason is read from the file system first, then from the error the write
// met (a write error once the file was open: the disk is probably full), with Qt's `detail`
// as a last resort.
QString raisonEchecEcriture(const QString& chemin, QFileDevice::FileError erreur,
                            const QString& detail);

// Writes `texte` to `chemin` in UTF-8, with the platform's line ends, all at once: the file
// is written beside its target and renamed into place, so a failure never leaves it half
// written and an earlier file of that name stays as it was. Gives nothing on success, or the
// reason of the failure in French, as one sentence for the user.
std::optional<QString> enregistrerTexte(const QString& chemin, const QString& texte);

} // namespace orvaline
