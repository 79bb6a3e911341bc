#pragma once

#include <QString>

// A network interface of the home network and the address to use on it.
struct HomeInterface
{
    QString name;
    QString address; // IPv4, dotted

    bool operator==(const HomeInterface &other) const
    {
        return name == other.name && address == other.address;
    }
    bool operator!=(const HomeInterface &other) const { return !(*this == other); }
};
