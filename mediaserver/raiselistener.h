#pragma once

#include <QByteArray>
#include <QObject>

class QLocalServer;

// Listens on the local socket the player library uses to bring a running
// media server forward: every line that arrives asks for it once, except
// "sharing on" and "sharing off", which a second start passes on.
class RaiseListener : public QObject
{
    Q_OBJECT

public:
    explicit RaiseListener(QObject *parent = nullptr);

    // True when another live media server already listens there (it was
    // asked to come forward); false after we started listening, or failed to.
    static bool askRunningInstance(const QByteArray &sharing = {});
    bool listen();

signals:
    void raiseRequested();
    void sharingRequested(bool on);

private:
    void accept();

    QLocalServer *m_server;
};
