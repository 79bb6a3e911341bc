#include "mediaserver/headlessconsole.h"

#include "mediaserver/mediaserver.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>

#include <unistd.h>

HeadlessConsole::HeadlessConsole(MediaServer *server, QObject *parent)
    : QObject(parent)
    , m_server(server)
    , m_input(new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this))
{
    connect(m_input, &QSocketNotifier::activated, this, &HeadlessConsole::readCommands);
    connect(server, &MediaServer::sharingChanged, this,
            [this](bool on) { print(on ? QStringLiteral("sharing on") : QStringLiteral("sharing off")); });
    connect(server, &MediaServer::connectedChanged, this, [this](bool connected) {
        print(connected ? QStringLiteral("connected") : QStringLiteral("disconnected"));
    });
    connect(server, &MediaServer::requestReceived, this, [this](const QString &name, const QString &path) {
        print(path.isEmpty() ? name : name + QLatin1Char(' ') + path);
    });
}

void HeadlessConsole::print(const QString &line)
{
    const QByteArray text = line.toLocal8Bit() + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    std::fflush(stdout);
}

void HeadlessConsole::readCommands()
{
    char chunk[256];
    const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
    if (got <= 0) {
        // No more commands; the server runs on until it is stopped.
        m_input->setEnabled(false);
        return;
    }
    m_pending.append(chunk, static_cast<int>(got));
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QByteArray command = m_pending.left(end).trimmed();
        m_pending.remove(0, end + 1);
        if (command == "sharing on")
            m_server->setSharing(true);
        else if (command == "sharing off")
            m_server->setSharing(false);
        else if (command == "quit")
            QCoreApplication::quit();
        else if (!command.isEmpty())
            print(QStringLiteral("unknown command: ") + QString::fromLocal8Bit(command));
    }
}
