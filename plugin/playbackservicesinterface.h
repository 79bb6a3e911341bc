#pragma once

#include <QUrl>
#include <QtGlobal>

// The host's playback: the item being played, and the hook called after
// every hand-off of files to the transfer wizard.
class PlaybackServicesInterface
{
public:
    virtual ~PlaybackServicesInterface() = default;
    virtual qint64 currentItemId() = 0;
    // Empty when there is no such item.
    virtual QUrl itemUrl(qint64 id) = 0;
    virtual void afterFilesTransferred() = 0;
};
