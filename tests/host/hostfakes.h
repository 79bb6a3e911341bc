#pragma once

#include "plugin/mediaviewinterface.h"
#include "plugin/orbestring.h"
#include "plugin/playbackservicesinterface.h"

#include <QList>
#include <QString>
#include <QUrl>

// Playback services for a host under test: a fixed current item, no files.
class StillPlayback : public PlaybackServicesInterface
{
public:
    explicit StillPlayback(qint64 currentId = 0)
        : m_currentId(currentId)
    {
    }
    qint64 currentItemId() override { return m_currentId; }
    QUrl itemUrl(qint64) override { return QUrl(); }
    void afterFilesTransferred() override { }

private:
    qint64 m_currentId;
};

// A media view with nothing selected.
class EmptyView : public MediaViewInterface
{
public:
    bool isSelectionEmpty() override { return true; }
    QList<QUrl> selectedUrls(int) override { return {}; }
};

// An interface id as the host's plug-in records list it.
inline QString interfaceName(const Orbe::String &id)
{
    return QString::fromLatin1(id.c_str());
}
