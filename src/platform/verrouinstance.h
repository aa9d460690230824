// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace orvaline {

// One running copy per user: a lock file held for the life of the process. A lock left by a
// copy that crashed is taken over.
class VerrouInstance {
public:
    // The default place is the user's runtime folder.
    explicit VerrouInstance(QString chemin = cheminParDefaut());
    // True when this process holds the lock (now or from an earlier call).
    bool acquerir();
    static QString cheminParDefaut();

private:
    QString m_chemin;
    std::unique_ptr<QLockFile> m_verrou;
    bool m_tenu = false;
};

} // namespace orvaline
