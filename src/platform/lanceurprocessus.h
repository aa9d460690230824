// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lanceur.h"

#include <QByteArray>
#include <map>

namespace orvaline {

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
