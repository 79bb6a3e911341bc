#include "host/urilistmimedata.h"

namespace {
QString uriListFormat()
{
    return QStringLiteral("text/uri-list");
}
} // namespace

UriListMimeData::UriListMimeData(const QStringList &uris)
    : m_text(uriList(uris))
{
}

QByteArray UriListMimeData::uriList(const QStringList &uris)
{
    QByteArray text;
    for (const QString &uri : uris) {
        text += uri.toUtf8();
        text += "\r\n";
    }
    return text;
}

QStringList UriListMimeData::formats() const
{
    QStringList all = QMimeData::formats();
    if (!all.contains(uriListFormat()))
        all.prepend(uriListFormat());
    return all;
}

bool UriListMimeData::hasFormat(const QString &mimeType) const
{
    return mimeType == uriListFormat() || QMimeData::hasFormat(mimeType);
}

QVariant UriListMimeData::retrieveData(const QString &mimeType, QMetaType type) const
{
    if (mimeType == uriListFormat())
        return m_text;
    return QMimeData::retrieveData(mimeType, type);
}
