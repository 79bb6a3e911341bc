#include "mediaserver/headlessconsole.h"

#include "mediaserver/mediaserver.h"
#include "mediaserver/tvstreamer.h"

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

void HeadlessConsole::setStreamer(TvStreamer *streamer)
{
    m_streamer = streamer;
    RendererControl *renderers = &streamer->renderers();
    connect(renderers, &RendererControl::rendererFound, this, [this](const MediaRenderer &renderer) {
        print(QStringLiteral("renderer found %1 %2").arg(renderer.udn, renderer.name));
    });
    connect(renderers, &RendererControl::rendererChanged, this, [this](const MediaRenderer &renderer) {
        print(QStringLiteral("renderer sinks %1 %2").arg(renderer.udn).arg(renderer.sinkProtocols.size()));
    });
    connect(renderers, &RendererControl::rendererLost, this,
        [this](const QString &udn) { print(QStringLiteral("renderer lost ") + udn); });
    connect(
        streamer, &TvStreamer::phaseChanged, this, [this](TvStreamer::Phase phase, const QString &message) {
            if (phase == TvStreamer::Phase::Playing)
                print(QStringLiteral("playing ") + m_streamer->renderer());
            else if (phase == TvStreamer::Phase::Converting)
                print(QStringLiteral("converting ") + m_streamer->file());
            else if (phase == TvStreamer::Phase::Failed)
                print(QStringLiteral("failed ") + message);
        });
    connect(streamer, &TvStreamer::statusChanged, this, [this](const RendererStatus &status) {
        print(QStringLiteral("state ") + status.state);
        print(QStringLiteral("position %1 %2").arg(status.positionSeconds).arg(status.durationSeconds));
    });
    connect(streamer, &TvStreamer::converting, this, [this](double fraction) {
        const int percent = qRound(fraction * 100);
        if (percent != m_percent)
            print(QStringLiteral("converted %1 %").arg(m_percent = percent));
    });
    connect(streamer, &TvStreamer::finished, this, [this] { print(QStringLiteral("finished")); });
}

bool HeadlessConsole::streamCommand(const QByteArray &command)
{
    if (!m_streamer)
        return false;
    if (command.startsWith("play "))
        m_streamer->playOn(QString::fromUtf8(command.mid(5).trimmed()));
    else if (command == "pause")
        m_streamer->pause();
    else if (command == "resume")
        m_streamer->resume();
    else if (command == "stop")
        m_streamer->stop();
    else if (command.startsWith("seek "))
        m_streamer->seek(command.mid(5).trimmed().toInt());
    else
        return false;
    return true;
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
        else if (!command.isEmpty() && !streamCommand(command))
            print(QStringLiteral("unknown command: ") + QString::fromLocal8Bit(command));
    }
}
