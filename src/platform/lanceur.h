// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

namespace orvaline {

// Starts outside programs: the program and its arguments, never through a shell.
class Lanceur {
public:
    virtual ~Lanceur() = default;
    // Starts the program detached; gives its process id, or 0 when it could not start.
    virtual qint64 demarrer(const QString& programme, const QStringList& arguments) = 0;
    // The full path of a program found on PATH, or "".
    virtual QString trouver(const QString& programme) const = 0;
    // Whether a process this launcher started is still running. An id that has since been
    // given to another process does not count, so that nobody else's program is touched.
    virtual bool enCours(qint64 pid) const = 0;
    // Asks a process this launcher started to end (SIGTERM) if it is still running.
    virtual void arreter(qint64 pid) = 0;
    // Brings the window of a process this launcher started to the front, where the desktop
    // lets a program do so; does nothing otherwise.
    virtual void amenerDevant(qint64 pid) = 0;
};

class LanceurProcessus : public Lanceur {
public:
    qint64 demarrer(const QString& programme, const QStringList& arguments) override;
    QString trouver(const QString& programme) const override;
    bool enCours(qint64 pid) const override;
    void arreter(qint64 pid) override;
    void amenerDevant(qint64 pid) override;

private:
    // Start time of each process we started, as the system counts it: tells our process
    // apart from a later one that reuses its id.
    std::map<qint64, QByteArray> m_debuts;
};

} // namespace orvaline
