// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace orvaline {

// Writes `texte` to `chemin` in UTF-8, with the platform's line ends, all at once: the file
// is written beside its target and renamed into place, so a failure never leaves it half
// written and an earlier file of that name stays as it was. Gives nothing on success, or the
// reason of the failure in French, as one sentence for the user.
std::optional<QString> enregistrerTexte(const QString& chemin, const QString& texte);

} // namespace orvaline
