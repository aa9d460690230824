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
};

class LanceurProcessus : public Lanceur {
public:
    qint64 demarrer(const QString& programme, const QStringList& arguments) override;
    QString trouver(const QString& programme) const override;
};

} // namespace orvaline
