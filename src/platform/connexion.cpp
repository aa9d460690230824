// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/connexion.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace orvaline {

namespace {
bool interfaceActive() {
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto drapeaux = i.flags();
        if (!drapeaux.testFlag(QNetworkInterface::IsUp) ||
            !drapeaux.testFlag(QNetworkInterface::IsRunning) ||
            drapeaux.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        if (!i.addressEntries().isEmpty()) return true;
    }
    return false;
}
} // namespace

bool ConnexionSysteme::connecte() {
    // The backend is loaded once; later calls reuse it.
    static const bool backend =
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    if (backend) {
        const QNetworkInformation* info = QNetworkInformation::instance();
        if (info && info->reachability() != QNetworkInformation::Reachability::Unknown)
            return info->reachability() == QNetworkInformation::Reachability::Online;
    }
    return interfaceActive();
}

} // namespace orvaline
