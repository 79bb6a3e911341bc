#pragma once

#include <QObject>

class MediaServer;
class TvStreamer;
class QSocketNotifier;

// The headless media server's face: one line on standard output per event
// ("sharing on", "connected", "StartedRequest", "StreamFileRequest <path>",
// "disconnected", "raise"), and the commands "sharing on", "sharing off"
// and "quit" on standard input. With a streamer it also tells of the
// renderers ("renderer found <udn> <name>", "renderer sinks <udn> <count>",
// "renderer lost <udn>") and of
// playing ("converting <file>", "converted <n> %", "playing <udn>",
// "state <STATE>", "position <s> <duration>", "finished", "failed <why>"), and takes "play <udn>", "pause",
// "resume", "stop" and "seek <seconds>".
class HeadlessConsole : public QObject
{
    Q_OBJECT

public:
    explicit HeadlessConsole(MediaServer *server, QObject *parent = nullptr);

    void setStreamer(TvStreamer *streamer);

public slots:
    void print(const QString &line);

private:
    void readCommands();
    bool streamCommand(const QByteArray &command);

    MediaServer *m_server;
    TvStreamer *m_streamer = nullptr;
    int m_percent = -1;
    QSocketNotifier *m_input;
    QByteArray m_pending;
};
