// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/verrouinstance.h"

#include <QDir>
#include <QStandardPaths>

namespace orvaline {

VerrouInstance::VerrouInstance(QString chemin) : m_chemin(std::move(chemin)) {}

QString VerrouInstance::cheminParDefaut() {
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dossier.isEmpty()) dossier = QDir::tempPath();
    return dossier + QStringLiteral("/orvaline.lock");
}

bool VerrouInstance::acquerir() {
    if (m_tenu) return true;
    if (!m_verrou) {
        m_verrou = std::make_unique<QLockFile>(m_chemin);
        // Only a dead owner makes the lock stale, never its age: the program may run for days.
        m_verrou->setStaleLockTime(0);
    }
    m_tenu = m_verrou->tryLock(0);
    return m_tenu;
}

} // namespace orvaline
