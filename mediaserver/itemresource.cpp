#include "mediaserver/itemresource.h"

#include <QXmlStreamReader>

namespace {

QString profileOf(const QString &fourthField)
{
    for (const QString &part : fourthField.split(QLatin1Char(';'))) {
        if (part.startsWith(QLatin1String("DLNA.ORG_PN=")))
            return part.mid(12);
    }
    return QString();
}

// GStreamer-based renderers name MP4 after QuickTime, whose demuxer plays both.
bool sameType(const QString &sink, const QString &ours)
{
    if (sink == QLatin1String("*") || sink.compare(ours, Qt::CaseInsensitive) == 0)
        return true;
    return sink.compare(QLatin1String("video/quicktime"), Qt::CaseInsensitive) == 0
        && ours.compare(QLatin1String("video/mp4"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool ItemResource::fromDidl(const QString &didl, ItemResource *resource)
{
    QXmlStreamReader reader(didl);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("res"))
            continue;
        const QString protocol = reader.attributes().value(QLatin1String("protocolInfo")).toString();
        const QString url = reader.readElementText().trimmed();
        if (protocol.startsWith(QLatin1String("http-get:")) && url.startsWith(QLatin1String("http://"))) {
            resource->url = url;
            resource->protocolInfo = protocol;
            resource->didl = didl;
            return true;
        }
    }
    return false;
}

bool ItemResource::playableBy(const QString &protocolInfo, const QStringList &sinkProtocols)
{
    if (sinkProtocols.isEmpty())
        return true;
    const QStringList ours = protocolInfo.split(QLatin1Char(':'));
    if (ours.size() != 4)
        return false;
    const QString profile = profileOf(ours.at(3));
    for (const QString &sink : sinkProtocols) {
        const QStringList theirs = sink.split(QLatin1Char(':'));
        if (theirs.size() != 4 || theirs.at(0) != QLatin1String("http-get"))
            continue;
        if (!sameType(theirs.at(2), ours.at(2)))
            continue;
        const QString wanted = profileOf(theirs.at(3));
        if (wanted.isEmpty() || profile.isEmpty() || wanted == profile)
            return true;
    }
    return false;
}
