#pragma once

#include "plugin/playbackservicesinterface.h"

#include <QObject>

class MediaLibrary;

// The item being played, as plug-ins see it. There is no decoder here: the
// player only tracks which library item is current.
class NowPlaying : public QObject, public PlaybackServicesInterface
{
    Q_OBJECT

public:
    explicit NowPlaying(MediaLibrary *library, QObject *parent = nullptr);

    void play(qint64 id);
    void stop();
    bool isPlaying() const { return m_current != 0; }
    // The title of the current item; empty when nothing plays.
    QString title() const;

    qint64 currentItemId() override { return m_current; }
    QUrl itemUrl(qint64 id) override;
    void afterFilesTransferred() override;

signals:
    void currentChanged(qint64 id);
    void filesTransferred();

private:
    MediaLibrary *m_library;
    qint64 m_current = 0;
};
