// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lanceur.h"

#include <QProcess>
#include <QStandardPaths>

namespace orvaline {

qint64 LanceurProcessus::demarrer(const QString& programme, const QStringList& arguments) {
    qint64 pid = 0;
    if (!QProcess::startDetached(programme, arguments, QString(), &pid)) return 0;
    return pid;
}

QString LanceurProcessus::trouver(const QString& programme) const {
    return QStandardPaths::findExecutable(programme);
}

} // namespace orvaline
