// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

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

} // namespace orvaline
