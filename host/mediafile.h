#pragma once

#include "ipc/refcountedimpl.h"
#include "plugin/mediamanagerinterface.h"

// One media file handed to a plug-in; the plug-in's reference keeps it alive.
class MediaFile : public kvtl::RefCountedImpl<MediaManagerInterface::MediaFileInterface>
{
public:
    explicit MediaFile(const QUrl &url)
        : m_url(url)
    {
    }
    QUrl fileUrl() override { return m_url; }

private:
    QUrl m_url;
};
