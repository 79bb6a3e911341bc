#pragma once

#include "mediaserver/homeinterface.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QHostAddress;
class QNetworkInterface;

// Which network interfaces are the home network: up, able to multicast,
// and with IPv4 addresses that are all loopback, link-local or private. An
// interface with any public address is left out whole, so nothing we run is
// ever reachable from the internet. Whatever speaks UPnP here (the media
// server, later a control point for renderers) takes its interfaces from
// this one list, re-read every few seconds. KAVO_SHARE_INTERFACES (names
// with commas; "none") narrows it further.
class HomeNetwork : public QObject
{
    Q_OBJECT

public:
    static constexpr int RecheckIntervalMs = 3000;

    explicit HomeNetwork(QObject *parent = nullptr);

    static bool isHomeAddress(const QHostAddress &address);
    static bool isHomeInterface(const QNetworkInterface &interface);
    static QList<HomeInterface> homeInterfaces();

    QList<HomeInterface> interfaces() const { return m_interfaces; }

signals:
    void interfacesChanged(const QList<HomeInterface> &interfaces);

private:
    void recheck();

    QTimer m_timer;
    QList<HomeInterface> m_interfaces;
};
