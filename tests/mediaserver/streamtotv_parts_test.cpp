// "Stream to ..."'s parts without a network: which renderer takes which
// file, the resource a Browse answer offers, and the converted copies'
// cache staying within its size, least recently used out first.
#include "mediaserver/itemresource.h"
#include "mediaserver/tvcache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(StreamToTvPartsTest, ARendererTakesWhatItsSinkListNames)
{
    const QString mp4 = u"http-get:*:video/mp4:DLNA.ORG_PN=AVC_MP4_BL_CIF15_AAC_520;DLNA.ORG_OP=01"_s;
    const struct
    {
        QStringList sinks;
        bool playable;
    } cases[] = {
        { {}, true }, // not answered: the TV decides
        { { u"http-get:*:video/mp4:*"_s }, true },
        { { u"http-get:*:VIDEO/MP4:*"_s }, true },
        { { u"http-get:*:video/quicktime:*"_s }, true },
        { { u"http-get:*:video/mp4:DLNA.ORG_PN=AVC_MP4_BL_CIF15_AAC_520"_s }, true },
        { { u"http-get:*:video/mp4:DLNA.ORG_PN=AVC_MP4_HP_HD_AAC"_s }, false },
        { { u"http-get:*:video/x-msvideo:*"_s, u"http-get:*:audio/mp4:*"_s }, false },
        { { u"rtsp-rtp-udp:*:video/mp4:*"_s }, false },
        { { u"garbage"_s }, false },
    };
    for (const auto &c : cases)
        EXPECT_EQ(ItemResource::playableBy(mp4, c.sinks), c.playable) << c.sinks.join(u',').toStdString();
    EXPECT_FALSE(
        ItemResource::playableBy(u"http-get:*:video/x-msvideo:*"_s, { u"http-get:*:video/quicktime:*"_s }));
}

TEST(StreamToTvPartsTest, TheResourceIsTheFirstHttpOneOfTheAnswer)
{
    const QString didl = uR"(<DIDL-Lite xmlns="urn:schemas-upnp-org:metadata-1-0/DIDL-Lite/"
        xmlns:dc="http://purl.org/dc/elements/1.1/"><item id="s1" parentID="streaming" restricted="1">
        <dc:title>clip</dc:title>
        <res protocolInfo="internal:127.0.0.1:video/mp4:*">file:///tmp/clip.mp4</res>
        <res protocolInfo="http-get:*:video/mp4:DLNA.ORG_PN=AVC_MP4_HP_HD_AAC" size="9">
          http://169.254.1.1:4242/i/czE=/res/primary_http.mp4</res></item></DIDL-Lite>)"_s;
    ItemResource resource;
    ASSERT_TRUE(ItemResource::fromDidl(didl, &resource));
    EXPECT_EQ(resource.url, u"http://169.254.1.1:4242/i/czE=/res/primary_http.mp4"_s);
    EXPECT_EQ(resource.protocolInfo, u"http-get:*:video/mp4:DLNA.ORG_PN=AVC_MP4_HP_HD_AAC"_s);
    EXPECT_EQ(resource.didl, didl);
    for (const QString &bad : { QString(), u"<DIDL-Lite><item/></DIDL-Lite>"_s, u"<res"_s })
        EXPECT_FALSE(ItemResource::fromDidl(bad, &resource)) << bad.toStdString();
}

TEST(StreamToTvPartsTest, TheCacheDropsTheLeastRecentlyUsedCopiesFirst)
{
    QTemporaryDir dir;
    const TvCache cache(2500, dir.filePath(u"cache"_s));
    // Copies of 1000 bytes, used in the order c, a, b (oldest first).
    QStringList entries;
    const QDateTime now = QDateTime::currentDateTime();
    const struct
    {
        const char *source;
        int usedSecondsAgo;
    } copies[] = { { "a", 200 }, { "b", 100 }, { "c", 300 } };
    for (const auto &copy : copies) {
        const QString source = dir.filePath(QLatin1String(copy.source));
        QFile(source).open(QIODevice::WriteOnly);
        const QString entry = cache.entryFor(source);
        ASSERT_TRUE(QDir().mkpath(entry));
        QFile made(QDir(entry).filePath(u"copy.mp4"_s));
        ASSERT_TRUE(made.open(QIODevice::WriteOnly));
        made.write(QByteArray(1000, 'x'));
        made.close();
        TvCache::touch(entry);
        QFile stamp(QDir(entry).filePath(u".used"_s));
        ASSERT_TRUE(stamp.open(QIODevice::ReadWrite));
        stamp.setFileTime(now.addSecs(-copy.usedSecondsAgo), QFileDevice::FileModificationTime);
        entries.append(entry);
    }
    EXPECT_EQ(cache.copyOf(dir.filePath(u"a"_s)), QDir(entries.at(0)).filePath(u"copy.mp4"_s));
    cache.trim();
    // Two fit: c went; a was just used, b is newer than c.
    EXPECT_TRUE(QDir(entries.at(0)).exists());
    EXPECT_TRUE(QDir(entries.at(1)).exists());
    EXPECT_FALSE(QDir(entries.at(2)).exists());
    // The copy in use stays even when it alone is too much.
    const TvCache tiny(10, dir.filePath(u"cache"_s));
    tiny.trim(entries.at(1));
    EXPECT_FALSE(QDir(entries.at(0)).exists());
    EXPECT_TRUE(QDir(entries.at(1)).exists());
    EXPECT_TRUE(cache.copyOf(dir.filePath(u"c"_s)).isEmpty());
}

} // namespace
