// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/attente.h"

#include "core/nombres.h"
#include "platform/services.h"
#include "platform/son.h"
#include "shared/libcalc.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace orvaline {

void pause(double secondes) {
    if (!(secondes >= 0)) return;
    QCoreApplication::processEvents();
    QEventLoop boucle;
    QTimer minuteur;
    minuteur.setSingleShot(true);
    minuteur.setTimerType(Qt::PreciseTimer);
    QObject::connect(&minuteur, &QTimer::timeout, &boucle, &QEventLoop::quit);
    const double ms = std::ceil(std::min(secondes, 86400.0) * 1000.0);
    minuteur.start(int(ms) + (ms == 0 ? 1 : 0));
    boucle.exec();
}

void jouerson(const QStringList& table, int index) {
    if (table.isEmpty() || lireNombre(table.value(0)) == 0) return;
    QString nom = table.value(index);
    if (nom.isEmpty() || nom == u"0") return;
    if (!nom.contains(u'.')) nom += QStringLiteral(".wav");
    plateforme::son().jouer(libcalc().chemin_appli + u'/' + nom);
}

} // namespace orvaline
