#pragma once

#include <QList>
#include <QUrl>

// The host's media library view and its selection.
class MediaViewInterface
{
public:
    virtual ~MediaViewInterface() = default;
    virtual bool isSelectionEmpty() = 0;
    // The selection, first item first; the plug-in always passes 0.
    virtual QList<QUrl> selectedUrls(int flags) = 0;
};
