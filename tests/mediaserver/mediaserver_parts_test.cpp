// The media server's parts in-process: which networks count as home, what
// clients are told about a file, what a folder shares, the streamed list,
// the settings and the sharing switch.
#include "mediaserver/dlnaprofile.h"
#include "mediaserver/homenetwork.h"
#include "mediaserver/mediaserver.h"
#include "mediaserver/sharedmedia.h"
#include "mediaserver/sharingsettings.h"
#include "settings/kavosettings.h"
#include "transfer/mediaprobe.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(HomeNetworkTest, OnlyLoopbackLinkLocalAndPrivateIpv4AddressesAreHome)
{
    for (const char *home :
        { "127.0.0.1", "169.254.3.4", "10.1.2.3", "172.16.0.1", "172.31.255.255", "192.168.1.20" })
        EXPECT_TRUE(HomeNetwork::isHomeAddress(QHostAddress(QString::fromLatin1(home)))) << home;
    for (const char *away : { "172.32.0.1", "8.8.8.8", "100.64.0.1", "203.0.113.5", "::1", "fe80::1" })
        EXPECT_FALSE(HomeNetwork::isHomeAddress(QHostAddress(QString::fromLatin1(away)))) << away;
}

TEST(DlnaProfileTest, ProbedFilesGetTheirMimeTypeAndProfile)
{
    const char *const Mp4 = "mov,mp4,m4a,3gp,3g2,mj2";
    const struct
    {
        const char *format, *brand, *video, *profile;
        int width, height;
        double fps;
        const char *audio, *mime, *dlna;
    } cases[] = {
        { Mp4, "isom", "h264", "High", 1920, 1080, 25, "aac", "video/mp4", "AVC_MP4_HP_HD_AAC" },
        { Mp4, "isom", "h264", "High", 320, 240, 25, "aac", "video/mp4", "AVC_MP4_HP_HD_AAC" },
        { Mp4, "isom", "h264", "Main", 640, 360, 25, "aac", "video/mp4", "AVC_MP4_MP_SD_AAC_MULT5" },
        { Mp4, "isom", "h264", "Main", 1280, 720, 25, "aac", "video/mp4", "AVC_MP4_MP_HD_AAC" },
        { Mp4, "isom", "h264", "Main", 640, 360, 25, "mp3", "video/mp4", "" },
        { Mp4, "qt  ", "h264", "Main", 640, 360, 25, "aac", "video/quicktime", "" },
        { "mpegts", "", "mpeg2video", "Main", 720, 576, 25, "mp2", "video/mpeg", "MPEG_TS_SD_EU_ISO" },
        { "mpegts", "", "mpeg2video", "Main", 1920, 1080, 29.97, "ac3", "video/mpeg", "MPEG_TS_HD_NA_ISO" },
        { "avi", "", "mpeg4", "Advanced Simple Profile", 720, 400, 25, "mp3", "video/x-msvideo", "AVI" },
        { "matroska,webm", "", "h264", "High", 1920, 1080, 25, "aac", "video/x-matroska", "" },
    };
    for (const auto &c : cases) {
        Zarnet::MediaProbe probe;
        probe.formatName = QString::fromLatin1(c.format);
        probe.brand = QString::fromLatin1(c.brand);
        probe.hasVideo = true;
        probe.video.codec = QString::fromLatin1(c.video);
        probe.video.profile = QString::fromLatin1(c.profile);
        probe.video.width = c.width;
        probe.video.height = c.height;
        probe.video.fps = c.fps;
        probe.hasAudio = true;
        probe.audio.codec = QString::fromLatin1(c.audio);
        EXPECT_EQ(DlnaProfile::mimeType(probe, u"film.mkv"_s), QString::fromLatin1(c.mime))
            << c.format << c.video;
        EXPECT_EQ(DlnaProfile::profileName(probe), QString::fromLatin1(c.dlna))
            << c.format << c.video << c.profile;
    }
    EXPECT_EQ(DlnaProfile::mimeTypeForName(u"A.MP4"_s), u"video/mp4"_s);
    EXPECT_FALSE(DlnaProfile::isVideoName(u"notes.txt"_s));
}

TEST(SharedMediaTest, AFolderSharesItsVideosAndLinksOnlyToFilesInside)
{
    QTemporaryDir root, outside;
    const auto make = [](const QString &path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("video") == 5;
    };
    const QString r = QDir(root.path()).canonicalPath();
    for (const QString &name : { u"a.mp4"_s, u"sub/b.mkv"_s, u"sub/inner.bin"_s, u".hidden.mp4"_s,
             u"notes.txt"_s, u"sub/.b.mkv.kavo-part"_s })
        ASSERT_TRUE(make(r + u'/' + name));
    ASSERT_TRUE(make(outside.filePath(u"c.mp4"_s)));
    ASSERT_TRUE(QFile::link(r + u"/sub/inner.bin"_s, r + u"/inside link.mp4"_s));
    ASSERT_TRUE(QFile::link(r + u"/a.mp4"_s, r + u"/again.mp4"_s));
    ASSERT_TRUE(QFile::link(outside.filePath(u"c.mp4"_s), r + u"/outside link.mp4"_s));
    ASSERT_TRUE(QFile::link(r + u"/gone.mp4"_s, r + u"/dangling.mp4"_s));
    ASSERT_TRUE(QFile::link(r + u"/sub"_s, r + u"/linked folder"_s));
    ASSERT_TRUE(QFile::link(outside.path(), r + u"/outside folder"_s));

    QStringList shared = SharedMedia::scan(root.path());
    shared.sort();
    EXPECT_EQ(shared, (QStringList { r + u"/a.mp4"_s, r + u"/sub/b.mkv"_s, r + u"/sub/inner.bin"_s }));
}

TEST(SharedMediaTest, TheFolderIsFollowedAsFilesComeAndGo)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(u"sub"_s));
    SharedMedia media;
    media.setFolder(dir.path());
    const auto titles = [&media] {
        QStringList names;
        for (const SharedVideo &video : media.videos())
            names.append(video.title);
        return names;
    };
    for (const QStringList &expected : { QStringList { u"new"_s }, QStringList {} }) {
        QFile file(dir.filePath(u"sub/new.mp4"_s));
        ASSERT_TRUE(expected.isEmpty() ? file.remove() : file.open(QIODevice::WriteOnly));
        file.close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return titles() == expected; }, 10000))
            << expected.join(u',').toStdString();
    }
}

TEST(SharedMediaTest, StreamedFilesComeMostRecentFirstAtMostFifty)
{
    QTemporaryDir dir;
    SharedMedia media;
    QSignalSpy changed(&media, &SharedMedia::streamedChanged);
    QStringList paths;
    for (int i = 0; i < SharedMedia::MaxStreamed + 2; ++i) {
        paths.append(dir.filePath(u"clip %1.mp4"_s.arg(i)));
        QFile file(paths.last());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(media.addStreamed(paths.last()));
    }
    ASSERT_TRUE(media.addStreamed(paths.at(5))); // again: to the front, once
    EXPECT_FALSE(media.addStreamed(dir.path()));
    EXPECT_FALSE(media.addStreamed(dir.filePath(u"missing.mp4"_s)));
    ASSERT_TRUE(changed.wait(5000));
    const QList<SharedVideo> streamed = media.streamed();
    ASSERT_EQ(streamed.size(), SharedMedia::MaxStreamed);
    EXPECT_EQ(streamed.at(0).path, paths.at(5));
    EXPECT_EQ(streamed.at(1).path, paths.last());
    EXPECT_EQ(streamed.at(0).title, u"clip 5"_s);
    EXPECT_EQ(streamed.at(0).mimeType, u"video/mp4"_s);
    EXPECT_EQ(streamed.at(0).id, SharedMedia::videoId(u's', paths.at(5)));
    EXPECT_FALSE(streamed.at(0).id.contains(u"clip"_s));
}

TEST(SharingSettingsTest, OffAtFirstAndKeptUnderItsOwnKey)
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> own;
    ASSERT_TRUE(
        kvds::CreateSettings("Settings/KavoPlayer/KavoMediaServer", kvds::CreateUserOpenMachine, &own));
    own->DeleteKey();
    EXPECT_FALSE(SharingSettings::sharing());
    EXPECT_TRUE(SharingSettings::name().isEmpty());
    EXPECT_TRUE(SharingSettings::defaultName().contains(QSysInfo::machineHostName()));
    ASSERT_TRUE(SharingSettings::setSharing(true));
    ASSERT_TRUE(SharingSettings::setName(u"  Living room  "_s));
    EXPECT_TRUE(SharingSettings::sharing());
    EXPECT_EQ(SharingSettings::name(), u"Living room"_s);

    kvtl::RefCountedPtr<kvds::IKavoSettings> general;
    ASSERT_TRUE(kvds::CreateSettings("Settings/KavoPlayer/General", kvds::CreateUserOpenMachine, &general));
    ASSERT_TRUE(
        general->SetString(std::string("MediaFolder"), std::string("/films/\xE6\x98\xA0\xE7\x94\xBB")));
    EXPECT_EQ(SharingSettings::mediaFolder(), u"/films/\u6620\u753B"_s);
}

TEST(MediaServerTest, TheStateIsWhatTheSwitchReached)
{
    MediaServer server(false);
    QSignalSpy changed(&server, &MediaServer::sharingChanged);
    bool works = false;
    server.setSharingSwitch([&works](bool on) { return on && works; });
    server.setSharing(true);
    EXPECT_FALSE(server.isSharing());
    ASSERT_EQ(changed.count(), 1); // the switch snaps back
    EXPECT_FALSE(changed.at(0).at(0).toBool());
    works = true;
    server.setSharing(true);
    EXPECT_TRUE(server.isSharing());
    server.setSharing(false);
    EXPECT_FALSE(server.isSharing());
    EXPECT_EQ(changed.count(), 3);
}

} // namespace
