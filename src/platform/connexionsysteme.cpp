// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/connexionsysteme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <ifaddrs.h>
#include <net/if.h>
#include <optional>
#include <sys/socket.h>

namespace orvaline {

namespace {

// NetworkManager's own verdict, asked over the system bus (already loaded by the toolkit, where
// a network library would add a megabyte of code to every start): 70 is "connected to the
// Internet", the other settled states say no; starting, connecting or no manager: not known.
std::optional<bool> etatGestionnaire() {
    QDBusMessage appel = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.NetworkManager"),
        QStringLiteral("/org/freedesktop/NetworkManager"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    appel << QStringLiteral("org.freedesktop.NetworkManager") << QStringLiteral("State");
    const QDBusMessage reponse = QDBusConnection::systemBus().call(appel, QDBus::Block, 1000);
    if (reponse.type() != QDBusMessage::ReplyMessage || reponse.arguments().isEmpty()) return {};
    bool lu = false;
    const uint etat = reponse.arguments().first().value<QDBusVariant>().variant().toUInt(&lu);
    if (!lu) return {};
    switch (etat) {
    case 70:
        return true;
    case 10: // asleep
    case 20: // disconnected
    case 30: // disconnecting
    case 50: // local network only
    case 60: // site only
        return false;
    default:
        return {};
    }
}

bool interfaceActive() {
    ifaddrs* liste = nullptr;
    if (getifaddrs(&liste) != 0) return false;
    bool trouve = false;
    for (const ifaddrs* i = liste; i && !trouve; i = i->ifa_next) {
        if (!i->ifa_addr) continue;
        const int famille = i->ifa_addr->sa_family;
        trouve = (famille == AF_INET || famille == AF_INET6) && (i->ifa_flags & IFF_UP) &&
                 (i->ifa_flags & IFF_RUNNING) && !(i->ifa_flags & IFF_LOOPBACK);
    }
    freeifaddrs(liste);
    return trouve;
}

} // namespace

bool ConnexionSysteme::connecte() {
    if (const auto etat = etatGestionnaire()) return *etat;
    return interfaceActive();
}

} // namespace orvaline
