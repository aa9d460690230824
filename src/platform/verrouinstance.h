// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// One running copy per user: a lock file on which the running copy holds a lock of the
// system's. The system drops that lock when its process ends, however it ends, so a lock file
// left by a copy that crashed, or holding anything at all (nothing, garbage, a process id now
// used by another program), never stops the next start.
class VerrouInstance {
public:
    // The default place is the user's runtime folder.
    explicit VerrouInstance(QString chemin = cheminParDefaut());
    ~VerrouInstance();
    VerrouInstance(const VerrouInstance&) = delete;
    VerrouInstance& operator=(const VerrouInstance&) = delete;

    // False only when another running copy holds the lock. Where no lock file can be made at
    // all (no runtime folder), the program starts all the same.
    bool acquerir();
    // Removes the lock file and lets the lock go.
    void liberer();
    static QString cheminParDefaut();

private:
    QString m_chemin;
    int m_descripteur = -1;
    bool m_tenu = false;
};

} // namespace orvaline
