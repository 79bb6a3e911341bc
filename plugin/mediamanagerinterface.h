#pragma once

#include "ipc/refcounted.h"
#include "ipc/refcountedptr.h"

#include <QUrl>
#include <QtGlobal>

// The host's media manager: resolves playlist-item ids to media files.
class MediaManagerInterface
{
public:
    class MediaFileInterface : public kvtl::IRefCounted
    {
    public:
        virtual QUrl fileUrl() = 0;
    };

    virtual ~MediaManagerInterface() = default;
    // True and a filled reference, or false.
    virtual bool findMediaFile(qint64 id, kvtl::RefCountedPtr<MediaFileInterface> &out) = 0;
};
