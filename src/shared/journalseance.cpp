// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/journalseance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvaline {

namespace {

// Far beyond any run's tape: a larger file is not read into memory.
constexpr qint64 tailleMax = 256LL * 1024 * 1024;

bool toutEcrire(int fd, const QByteArray& octets) {
    const char* p = octets.constData();
    qsizetype reste = octets.size();
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, size_t(reste));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        reste -= n;
    }
    return true;
}

// A rename or a new file only survives a power cut once its folder is synced too.
void synchroniserDossier(const QString& dossier) {
    const int fd =
        ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

JournalSeance::JournalSeance(QString chemin) : m_chemin(std::move(chemin)) {}

JournalSeance::~JournalSeance() {
    arreterSynchro();
    if (m_fd >= 0) ::close(m_fd);
}

QString JournalSeance::cheminParDefaut() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path is invalid there and must be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/Orvaline/journal"));
}

std::optional<LectureJournal> JournalSeance::examiner() const {
    const QFileInfo info(m_chemin);
    if (!info.exists() && !info.isSymLink()) return std::nullopt;
    QFile fichier(m_chemin);
    if (!info.isFile() || info.size() > tailleMax || !fichier.open(QIODevice::ReadOnly))
        return LectureJournal{};
    return lireJournal(fichier.readAll());
}

QString JournalSeance::mettreDeCote() const {
    const QString aCote = m_chemin + QStringLiteral(".illisible");
    const QFileInfo ancien(aCote);
    if (ancien.isDir() && !ancien.isSymLink())
        QDir(aCote).removeRecursively();
    else
        QFile::remove(aCote);
    return ::rename(QFile::encodeName(m_chemin).constData(),
                    QFile::encodeName(aCote).constData()) == 0
               ? aCote
               : QString();
}

bool JournalSeance::commencer(const ContenuJournal& depart) {
    const QString dossier = QFileInfo(m_chemin).absolutePath();
    if (!QDir().mkpath(dossier)) return false;
    // The journal holds the user's figures: the folder is theirs alone.
    if (::chmod(QFile::encodeName(dossier).constData(), S_IRWXU) != 0) return false;

    // The new journal is written beside and put in place in one step: a cut at any moment
    // leaves either the old journal or the new one, never half of one.
    const QByteArray nouveau = QFile::encodeName(m_chemin + QStringLiteral(".nouveau"));
    ::unlink(nouveau.constData());
    const int fd = ::open(nouveau.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool ecrit = toutEcrire(fd, journalComplet(depart)) && ::fsync(fd) == 0;
    ::close(fd);
    if (!ecrit || ::rename(nouveau.constData(), QFile::encodeName(m_chemin).constData()) != 0) {
        ::unlink(nouveau.constData());
        return false;
    }
    synchroniserDossier(dossier);

    m_fd = ::open(QFile::encodeName(m_chemin).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (m_fd < 0) return false;
    m_enPanne = false;
    m_arret = false;
    m_synchro = std::thread([this] { synchroniser(); });
    return true;
}

void JournalSeance::ajouter(Releve releve, QStringView texte) {
    if (!texte.isEmpty()) ecrire(enregistrementAjout(releve, texte));
}

void JournalSeance::effacer(Releve releve) {
    ecrire(enregistrementEffacement(releve));
}

void JournalSeance::ecrire(const QByteArray& octets) {
    if (!actif()) return;
    // A failed write may leave a torn record; the reader keeps what stands before it, so
    // nothing is written after it.
    if (!toutEcrire(m_fd, octets)) {
        m_enPanne = true;
        return;
    }
    {
        const std::lock_guard<std::mutex> garde(m_verrou);
        m_aSynchroniser = true;
    }
    m_signal.notify_one();
}

void JournalSeance::synchroniser() {
    std::unique_lock<std::mutex> garde(m_verrou);
    for (;;) {
        m_signal.wait(garde, [this] { return m_aSynchroniser || m_arret; });
        if (m_arret) return;
        m_aSynchroniser = false;
        garde.unlock();
        ::fdatasync(m_fd);
        garde.lock();
    }
}

void JournalSeance::arreterSynchro() {
    if (!m_synchro.joinable()) return;
    {
        const std::lock_guard<std::mutex> garde(m_verrou);
        m_arret = true;
    }
    m_signal.notify_one();
    m_synchro.join();
}

void JournalSeance::terminer(bool garder) {
    arreterSynchro();
    if (m_fd < 0) return;
    if (garder) ::fdatasync(m_fd);
    ::close(m_fd);
    m_fd = -1;
    if (!garder) {
        ::unlink(QFile::encodeName(m_chemin).constData());
        synchroniserDossier(QFileInfo(m_chemin).absolutePath());
    }
}

} // namespace orvaline
