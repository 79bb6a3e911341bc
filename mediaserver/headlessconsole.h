#pragma once

#include <QObject>

class MediaServer;
class QSocketNotifier;

// The headless media server's face: one line on standard output per event
// ("sharing on", "connected", "StartedRequest", "StreamFileRequest <path>",
// "disconnected", "raise"), and the commands "sharing on", "sharing off"
// and "quit" on standard input.
class HeadlessConsole : public QObject
{
    Q_OBJECT

public:
    explicit HeadlessConsole(MediaServer *server, QObject *parent = nullptr);

public slots:
    void print(const QString &line);

private:
    void readCommands();

    MediaServer *m_server;
    QSocketNotifier *m_input;
    QByteArray m_pending;
};
