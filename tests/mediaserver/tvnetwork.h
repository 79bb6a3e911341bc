#pragma once

// Two private network namespaces joined by a veth pair with link-local
// addresses: the media server in one, a test renderer (gmediarender, which
// refuses loopback) in the other. Made by the constructor, removed by the
// destructor; names carry the pid, so parallel runs do not meet.
#include "tests/mediaserver/runcommand.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

class TvNetwork
{
public:
    TvNetwork()
    {
        static int count = 0;
        const QString id = QStringLiteral("%1x%2").arg(getpid()).arg(++count);
        server = QStringLiteral("kavo-tv-s-") + id;
        renderer = QStringLiteral("kavo-tv-r-") + id;
        serverLink = QStringLiteral("kvs") + id;
        rendererLink = QStringLiteral("kvr") + id;
        if (geteuid() != 0 || runCommand({ u"ip"_s, u"netns"_s, u"add"_s, server }) != 0)
            return;
        m_made = 1;
        if (runCommand({ u"ip"_s, u"netns"_s, u"add"_s, renderer }) != 0)
            return;
        m_made = 2;
        const QStringList steps[] = {
            { u"ip"_s, u"-n"_s, server, u"link"_s, u"add"_s, serverLink, u"type"_s, u"veth"_s, u"peer"_s,
                u"name"_s, rendererLink, u"netns"_s, renderer },
            { u"ip"_s, u"-n"_s, server, u"addr"_s, u"add"_s, u"169.254.77.1/16"_s, u"dev"_s, serverLink },
            { u"ip"_s, u"-n"_s, renderer, u"addr"_s, u"add"_s, u"169.254.77.2/16"_s, u"dev"_s, rendererLink },
            { u"ip"_s, u"-n"_s, server, u"link"_s, u"set"_s, serverLink, u"up"_s, u"multicast"_s, u"on"_s },
            { u"ip"_s, u"-n"_s, renderer, u"link"_s, u"set"_s, rendererLink, u"up"_s, u"multicast"_s,
                u"on"_s },
            { u"ip"_s, u"-n"_s, server, u"link"_s, u"set"_s, u"lo"_s, u"up"_s },
            { u"ip"_s, u"-n"_s, renderer, u"link"_s, u"set"_s, u"lo"_s, u"up"_s },
            { u"ip"_s, u"-n"_s, server, u"route"_s, u"add"_s, u"224.0.0.0/4"_s, u"dev"_s, serverLink },
            { u"ip"_s, u"-n"_s, renderer, u"route"_s, u"add"_s, u"224.0.0.0/4"_s, u"dev"_s, rendererLink },
        };
        for (const QStringList &step : steps) {
            if (runCommand(step) != 0)
                return;
        }
        m_ready = true;
    }
    ~TvNetwork()
    {
        if (m_made >= 2)
            runCommand({ u"ip"_s, u"netns"_s, u"del"_s, renderer });
        if (m_made >= 1)
            runCommand({ u"ip"_s, u"netns"_s, u"del"_s, server });
    }
    TvNetwork(const TvNetwork &) = delete;
    TvNetwork &operator=(const TvNetwork &) = delete;

    bool isReady() const { return m_ready; }

    // A command run inside one of the namespaces, stopped after limitS.
    static QStringList inside(const QString &name, const QStringList &command, int limitS = 120)
    {
        return QStringList { u"ip"_s, u"netns"_s, u"exec"_s, name, u"timeout"_s, QString::number(limitS) }
        + command;
    }
    // The test renderer; mimeFilter narrows what it says it plays.
    QStringList rendererCommand(const QString &uuid, const QString &mimeFilter = QString()) const
    {
        QStringList command { u"gmediarender"_s, u"-I"_s, rendererLink, u"-u"_s, uuid, u"-f"_s, u"Test TV"_s,
            u"--gstout-videopipe"_s, u"fakesink sync=true"_s, u"--gstout-audiopipe"_s,
            u"fakesink sync=true"_s };
        if (!mimeFilter.isEmpty())
            command << u"--mime-filter"_s << mimeFilter;
        return inside(renderer, command);
    }

    QString server;
    QString renderer;
    QString serverLink;
    QString rendererLink;

private:
    int m_made = 0;
    bool m_ready = false;
};
