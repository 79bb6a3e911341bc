#include "mediaserver/homenetwork.h"

#include <QHostAddress>
#include <QNetworkInterface>

#include <algorithm>

HomeNetwork::HomeNetwork(QObject *parent)
    : QObject(parent)
    , m_interfaces(homeInterfaces())
{
    m_timer.setInterval(RecheckIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &HomeNetwork::recheck);
    m_timer.start();
}

bool HomeNetwork::isHomeAddress(const QHostAddress &address)
{
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    static const std::pair<QHostAddress, int> home[] = {
        QHostAddress::parseSubnet(QStringLiteral("127.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("169.254.0.0/16")),
        QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
        QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16")),
    };
    for (const auto &subnet : home) {
        if (address.isInSubnet(subnet))
            return true;
    }
    return false;
}

bool HomeNetwork::isHomeInterface(const QNetworkInterface &interface)
{
    const auto flags = interface.flags();
    if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
        || !(flags & QNetworkInterface::CanMulticast))
        return false;
    bool any = false;
    for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
        const QHostAddress address = entry.ip();
        if (address.protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        if (!isHomeAddress(address))
            return false;
        any = true;
    }
    return any;
}

QList<HomeInterface> HomeNetwork::homeInterfaces()
{
    // Tests narrow this to a namespace's loopback, or to none at all.
    const bool narrowed = qEnvironmentVariableIsSet("KAVO_SHARE_INTERFACES");
    const QStringList allowed
        = qEnvironmentVariable("KAVO_SHARE_INTERFACES").split(QLatin1Char(','), Qt::SkipEmptyParts);
    QList<HomeInterface> found;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        if (!isHomeInterface(interface) || (narrowed && !allowed.contains(interface.name())))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                found.append({ interface.name(), entry.ip().toString() });
                break;
            }
        }
    }
    std::sort(found.begin(), found.end(),
        [](const HomeInterface &a, const HomeInterface &b) { return a.name < b.name; });
    return found;
}

void HomeNetwork::recheck()
{
    const QList<HomeInterface> now = homeInterfaces();
    if (now == m_interfaces)
        return;
    m_interfaces = now;
    emit interfacesChanged(now);
}
