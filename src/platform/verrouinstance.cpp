// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/verrouinstance.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvaline {

VerrouInstance::VerrouInstance(QString chemin) : m_chemin(std::move(chemin)) {}

VerrouInstance::~VerrouInstance() {
    liberer();
}

QString VerrouInstance::cheminParDefaut() {
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dossier.isEmpty()) dossier = QDir::tempPath();
    return dossier + QStringLiteral("/orvaline.lock");
}

bool VerrouInstance::acquerir() {
    if (m_tenu) return true;
    const QByteArray chemin = QFile::encodeName(m_chemin);
    for (int essai = 0; essai < 3; ++essai) {
        // Not inherited by the programs we start, which would otherwise keep the lock.
        const int fd = ::open(chemin.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            // A lock file we cannot open (unreadable, a link, a folder) holds nothing: replace
            // it. Where none can be made, the start goes on without one.
            if (::unlink(chemin.constData()) == 0 || errno == ENOENT) continue;
            m_tenu = true;
            return true;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool occupe = errno == EWOULDBLOCK;
            ::close(fd);
            if (occupe) return false;
            m_tenu = true;
            return true;
        }
        // The copy that held it may have removed the file between our open and our lock.
        struct stat ouvert {};
        struct stat present {};
        if (::fstat(fd, &ouvert) == 0 && ::stat(chemin.constData(), &present) == 0 &&
            ouvert.st_dev == present.st_dev && ouvert.st_ino == present.st_ino) {
            const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
            if (::ftruncate(fd, 0) == 0 && ::write(fd, pid.constData(), size_t(pid.size())) < 0) {
                // The process id is only a hint for people; the lock itself is what counts.
            }
            m_descripteur = fd;
            m_tenu = true;
            return true;
        }
        ::close(fd);
    }
    m_tenu = true;
    return true;
}

void VerrouInstance::liberer() {
    if (m_descripteur >= 0) {
        ::unlink(QFile::encodeName(m_chemin).constData());
        ::close(m_descripteur);
        m_descripteur = -1;
    }
    m_tenu = false;
}

} // namespace orvaline
