// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lanceurprocessus.h"

#include "platform/fenetresexternes.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <optional>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace orvaline {

namespace {
struct EtatProcessus {
    char etat;        // 'R', 'S', ... 'Z' for a process that has ended but not been reaped
    QByteArray debut; // start time after boot, in clock ticks
};

// Reads /proc/<pid>/stat; nothing when the process is gone or /proc is not there.
std::optional<EtatProcessus> lireEtat(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray texte = f.readAll();
    // The command name sits in parentheses and may hold blanks or parentheses itself.
    const qsizetype fin = texte.lastIndexOf(')');
    if (fin < 0) return std::nullopt;
    const QList<QByteArray> champs = texte.mid(fin + 2).split(' ');
    // Fields from the third on: the state first, the start time is the twenty-second.
    if (champs.size() < 20 || champs[0].isEmpty()) return std::nullopt;
    return EtatProcessus{champs[0].at(0), champs[19]};
}

bool procDisponible() {
    return QFile::exists(QStringLiteral("/proc/self/stat"));
}
} // namespace

qint64 LanceurProcessus::demarrer(const QString& programme, const QStringList& arguments) {
    qint64 pid = 0;
    if (!QProcess::startDetached(programme, arguments, QString(), &pid)) return 0;
    if (const auto etat = lireEtat(pid)) m_debuts[pid] = etat->debut;
    return pid;
}

QString LanceurProcessus::trouver(const QString& programme) const {
    return QStandardPaths::findExecutable(programme);
}

bool LanceurProcessus::enCours(qint64 pid) const {
    // Ids 0 and below name process groups or every process: never ours.
    if (pid <= 0) return false;
    const auto connu = m_debuts.find(pid);
    if (procDisponible()) {
        const auto etat = lireEtat(pid);
        if (!etat || etat->etat == 'Z') return false;
        return connu != m_debuts.end() && connu->second == etat->debut;
    }
#ifdef Q_OS_UNIX
    return ::kill(pid_t(pid), 0) == 0;
#else
    return false;
#endif
}

void LanceurProcessus::arreter(qint64 pid) {
    if (!enCours(pid)) return;
#ifdef Q_OS_UNIX
    ::kill(pid_t(pid), SIGTERM);
#endif
    m_debuts.erase(pid);
}

void LanceurProcessus::amenerDevant(qint64 pid) {
    if (enCours(pid)) activerFenetreDuProcessus(pid);
}

} // namespace orvaline
