// The media server on a network of its own: a private network namespace
// with only a multicast loopback, real clients (gssdp-discover, curl,
// ffprobe) inside it, the player's pipe outside it (a Unix socket).
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/refcountedptr.h"
#include "mediaserver/sharedmedia.h"
#include "settings/kavosettings.h"
#include "tests/mediaserver/runcommand.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class MediaServerNetworkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "making a network namespace needs root (CI runs as root); skipped";
        m_namespace = QStringLiteral("kavo-ms-%1-%2").arg(getpid()).arg(++s_count);
        if (runCommand({ u"ip"_s, u"netns"_s, u"add"_s, m_namespace }) != 0)
            GTEST_SKIP() << "ip netns add failed: no private network namespace here; skipped";
        m_made = true;
        ASSERT_EQ(runCommand({ u"ip"_s, u"-n"_s, m_namespace, u"link"_s, u"set"_s, u"lo"_s, u"up"_s,
                      u"multicast"_s, u"on"_s }),
            0);
        ASSERT_EQ(runCommand({ u"ip"_s, u"-n"_s, m_namespace, u"route"_s, u"add"_s, u"224.0.0.0/4"_s,
                      u"dev"_s, u"lo"_s }),
            0);
        ASSERT_TRUE(m_media.isValid() && m_outside.isValid());
        // Every child shares on the namespace's loopback only.
        qputenv("KAVO_SHARE_INTERFACES", "lo");
        qputenv("QT_QPA_PLATFORM", "offscreen");
        ASSERT_EQ(runCommand({ u"ffmpeg"_s, u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                 u"testsrc=size=320x240:rate=25"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine"_s,
                                 u"-t"_s, u"2"_s, u"-c:v"_s, u"libx264"_s, u"-pix_fmt"_s, u"yuv420p"_s,
                                 u"-c:a"_s, u"aac"_s, u"-shortest"_s, m_media.filePath(u"clip.mp4"_s) },
                      nullptr, 60000),
            0);
        ASSERT_TRUE(QFile::copy(m_media.filePath(u"clip.mp4"_s), m_outside.filePath(u"handed over.mp4"_s)));
        // A first start each time, with the player's media folder set.
        kvtl::RefCountedPtr<kvds::IKavoSettings> key;
        ASSERT_TRUE(
            kvds::CreateSettings("Settings/KavoPlayer/KavoMediaServer", kvds::CreateUserOpenMachine, &key));
        key->DeleteKey();
        ASSERT_TRUE(kvds::CreateSettings("Settings/KavoPlayer/General", kvds::CreateUserOpenMachine, &key));
        ASSERT_TRUE(key->SetString(std::string("MediaFolder"), m_media.path().toStdString()));
    }
    void TearDown() override
    {
        stopServer();
        qputenv("KAVO_SHARE_INTERFACES", "none");
        if (m_made)
            runCommand({ u"ip"_s, u"netns"_s, u"del"_s, m_namespace });
    }

    QStringList inside(const QStringList &command) const
    {
        return QStringList { u"ip"_s, u"netns"_s, u"exec"_s, m_namespace, u"timeout"_s, u"20"_s } + command;
    }
    // Headless unless expected is empty: then with its window, offscreen.
    bool startServer(const QStringList &arguments, const QByteArray &expected)
    {
        m_server.setProgram(u"ip"_s);
        m_server.setArguments(
            QStringList { u"netns"_s, u"exec"_s, m_namespace, QStringLiteral(KAVO_MEDIA_SERVER) }
            + (expected.isEmpty() ? QStringList() : QStringList { u"--headless"_s }) + arguments);
        m_server.start();
        return m_server.waitForStarted(5000) && (expected.isEmpty() || waitForLine(expected));
    }
    bool waitForLine(const QByteArray &line)
    {
        const QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired()) {
            while (m_server.canReadLine()) {
                if (m_server.readLine().trimmed() == line)
                    return true;
            }
            m_server.waitForReadyRead(200);
        }
        return false;
    }
    bool command(const QByteArray &line, const QByteArray &answer)
    {
        return m_server.write(line + '\n') > 0 && waitForLine(answer);
    }
    void stopServer()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.write("quit\n");
        if (!m_server.waitForFinished(3000))
            m_server.terminate();
        if (!m_server.waitForFinished(3000)) {
            m_server.kill();
            m_server.waitForFinished(2000);
        }
    }

    // What curl inside the namespace prints, bounded to a few seconds.
    QByteArray curl(const QStringList &arguments) const
    {
        QByteArray output;
        runCommand(inside(QStringList { u"curl"_s, u"-s"_s, u"-m"_s, u"5"_s } + arguments), &output);
        return output;
    }
    // The description URL announced on the namespace's loopback; empty
    // when nothing answers within a few seconds.
    QString discover()
    {
        QByteArray output;
        runCommand(inside({ u"gssdp-discover"_s, u"-i"_s, u"lo"_s, u"-t"_s,
                       u"urn:schemas-upnp-org:device:MediaServer:1"_s, u"--timeout=3"_s }),
            &output);
        const auto match = QRegularExpression(u"Location: (http://\\S+)"_s).match(QString::fromUtf8(output));
        return match.hasMatch() ? match.captured(1) : QString();
    }
    // The DIDL-Lite a SOAP Browse of the object's children answers.
    QString browse(const QString &location, const QString &id, const QString &filter = u"*"_s, int start = 0,
        int count = 0)
    {
        const auto control = QRegularExpression(u"<controlURL>([^<]*ContentDirectory)</controlURL>"_s)
                                 .match(QString::fromUtf8(curl({ location })));
        const QString base = QString(location).section(u'/', 0, 2);
        const QString body = QStringLiteral(
            "<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
            "s:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><s:Body><u:Browse "
            "xmlns:u=\"urn:schemas-upnp-org:service:ContentDirectory:1\"><ObjectID>%1</ObjectID>"
            "<BrowseFlag>BrowseDirectChildren</BrowseFlag><Filter>%2</Filter><StartingIndex>%3"
            "</StartingIndex><RequestedCount>%4</RequestedCount><SortCriteria></SortCriteria>"
            "</u:Browse></s:Body></s:Envelope>")
                                 .arg(id, filter)
                                 .arg(start)
                                 .arg(count);
        // The DIDL-Lite comes escaped inside the SOAP answer.
        QString text = QString::fromUtf8(curl({ u"-H"_s, u"Content-Type: text/xml; charset=\"utf-8\""_s,
            u"-H"_s, u"SOAPACTION: \"urn:schemas-upnp-org:service:ContentDirectory:1#Browse\""_s, u"--data"_s,
            body, base + control.captured(1) }));
        for (const auto &[escaped, plain] :
            { std::pair { "&lt;", "<" }, { "&gt;", ">" }, { "&quot;", "\"" }, { "&amp;", "&" } })
            text.replace(QLatin1String(escaped), QLatin1String(plain));
        return text;
    }
    // HTTP status and body of a GET.
    QByteArray fetch(const QString &url, const QStringList &options = {}, QByteArray *body = nullptr)
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"body"_s);
        const QByteArray status
            = curl(QStringList { u"-o"_s, file, u"-w"_s, u"%{http_code}"_s } + options + QStringList { url });
        QFile got(file);
        if (body && got.open(QIODevice::ReadOnly))
            *body = got.readAll();
        return status;
    }
    // Headless with sharing on: the description URL it announces.
    QString startSharing(const QStringList &arguments = {})
    {
        return startServer(QStringList { u"--sharing"_s, u"on"_s } + arguments, "sharing on") ? discover()
                                                                                              : QString();
    }
    QByteArray clip() const
    {
        QFile file(m_media.filePath(u"clip.mp4"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QString itemUrl(const QString &didl)
    {
        return QRegularExpression(u"(http://[^<\"]*/media/[^<\"]*)"_s).match(didl).captured(1);
    }

    static int s_count;
    QString m_namespace;
    bool m_made = false;
    QTemporaryDir m_media;
    QTemporaryDir m_outside;
    QProcess m_server;
};

int MediaServerNetworkTest::s_count = 0;

TEST_F(MediaServerNetworkTest, SharesTheFolderAndTheHandedOverFileOnlyWhileOn)
{
    const QString location = startSharing();
    ASSERT_FALSE(location.isEmpty());
    EXPECT_TRUE(browse(location, u"0"_s).contains(u"Videos"_s));
    const QString videos = browse(location, u"videos"_s);
    EXPECT_TRUE(videos.contains(u"<dc:title>clip</dc:title>"_s));
    EXPECT_TRUE(videos.contains(u"DLNA.ORG_PN=AVC_MP4_"_s));
    const QString url = itemUrl(videos);
    ASSERT_FALSE(url.isEmpty());

    QByteArray probe;
    EXPECT_EQ(runCommand(inside({ u"ffprobe"_s, u"-v"_s, u"error"_s, u"-show_entries"_s, u"format=duration"_s,
                             u"-of"_s, u"csv=p=0"_s, url }),
                  &probe),
        0);
    EXPECT_NEAR(probe.trimmed().toDouble(), 2.0, 0.5);

    // Only what is in the containers: the same URL with the id of a file
    // outside, or a path that climbs out, finds nothing; nor does the
    // engine's own item path, which serves no file itself.
    const QString items = url.left(url.indexOf(u"/media/"_s) + 7);
    EXPECT_EQ(fetch(items + SharedMedia::videoId(u'v', m_outside.filePath(u"handed over.mp4"_s)) + u".mp4"_s),
        "404");
    EXPECT_EQ(fetch(items + u"../../../../../../../etc/passwd"_s, { u"--path-as-is"_s }), "404");
    const QString id = QRegularExpression(u"<item id=\"([^\"]+)\""_s).match(videos).captured(1);
    EXPECT_EQ(fetch(location.section(u'/', 0, 2) + u"/KavoMediaServer/i/"_s
                  + QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(id.toUtf8().toBase64())))
                  + u"/res/primary_http.mp4"_s),
        "404");

    // "Stream to ..." from a player through the real pipe.
    kvtl::RefCountedPtr<kvds::IKavoIPC> player;
    ASSERT_TRUE(kvds::CreateNamedPipeIPC("C277327F-6714-4129-A79F-6D8477523D76", true, nullptr, &player));
    ASSERT_TRUE(waitForLine("connected"));
    // Two, the later one listed first (not by name).
    ASSERT_TRUE(QFile::copy(m_media.filePath(u"clip.mp4"_s), m_outside.filePath(u"a first.mp4"_s)));
    for (const QString &name : { u"a first.mp4"_s, u"handed over.mp4"_s }) {
        const QByteArray path = m_outside.filePath(name).toLocal8Bit() + '\0';
        int delivered = 0;
        ASSERT_TRUE(player->Send("Player", "DevicePane->KavoMediaServerDialogStreamFileRequest",
            static_cast<unsigned>(path.size()), path.constData(), &delivered));
    }
    QString streaming;
    const QDeadlineTimer deadline(10000);
    while (
        !(streaming.contains(u"handed over"_s) && streaming.contains(u"a first"_s)) && !deadline.hasExpired())
        streaming = browse(location, u"streaming"_s);
    EXPECT_LT(streaming.indexOf(u"handed over"_s), streaming.indexOf(u"a first"_s));
    EXPECT_TRUE(browse(location, u"0"_s).contains(u"Now streaming"_s));
    QByteArray served;
    EXPECT_EQ(fetch(itemUrl(streaming), {}, &served), "200");
    EXPECT_EQ(served, clip());

    // Off: gone from the network, and nothing answers any more.
    ASSERT_TRUE(command("sharing off", "sharing off"));
    EXPECT_TRUE(discover().isEmpty());
    EXPECT_EQ(fetch(url), "000");
}

TEST_F(MediaServerNetworkTest, OffAtFirstStartTheSwitchIsKeptAndContainersAreInTheUsersLanguage)
{
    ASSERT_TRUE(startServer({}, "sharing off"));
    EXPECT_TRUE(discover().isEmpty());
    ASSERT_TRUE(command("sharing on", "sharing on"));
    EXPECT_FALSE(discover().isEmpty());
    stopServer();
    ASSERT_TRUE(startServer({ u"--lang"_s, u"ja"_s }, "sharing on"));
    const QString location = discover();
    ASSERT_FALSE(location.isEmpty());
    const QString root = browse(location, u"0"_s);
    EXPECT_TRUE(root.contains(u"<dc:title>\u52d5\u753b</dc:title>"_s)) << root.toStdString();
}

TEST_F(MediaServerNetworkTest, ASecondStartWithSharingOffSwitchesTheRunningOne)
{
    ASSERT_TRUE(startServer({ u"--sharing"_s, u"on"_s }, {}));
    QString found;
    for (int i = 0; i < 3 && found.isEmpty(); ++i)
        found = discover();
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(runCommand(inside({ QStringLiteral(KAVO_MEDIA_SERVER), u"--sharing"_s, u"off"_s })), 0);
    EXPECT_TRUE(discover().isEmpty());
    EXPECT_EQ(m_server.state(), QProcess::Running);
}

TEST_F(MediaServerNetworkTest, FilesGoOutWithRangesAndDlnaHeadersAndAStalledClientHoldsUpNothing)
{
    // Larger than every buffer between the server and a client that stops reading.
    QFile big(m_media.filePath(u"big.ts"_s));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(64LL << 20));
    big.close();
    const QString location = startSharing();
    ASSERT_FALSE(location.isEmpty());
    QString videos;
    const QDeadlineTimer listed(10000);
    while (!listed.hasExpired()
        && !(videos.contains(u"<dc:title>big</dc:title>"_s) && videos.contains(u"DLNA.ORG_PN=AVC_MP4_"_s)))
        videos = browse(location, u"videos"_s);
    const QString url = itemUrl(videos.mid(videos.indexOf(u"<dc:title>clip</dc:title>"_s)));
    const QString bigUrl = itemUrl(videos.mid(videos.indexOf(u"<dc:title>big</dc:title>"_s)));
    ASSERT_FALSE(url.isEmpty() || bigUrl.isEmpty());
    const QByteArray bytes = clip();
    const qint64 size = bytes.size();

    // The common Browse is answered from a list made once per change: the
    // same, byte for byte, as the engine's own answer (which a filter asks
    // for), and a part of it when a part is asked for.
    const QString named = u"dc:title,res,res@size,res@duration,res@resolution,res@protocolInfo"_s;
    const QDeadlineTimer probed(10000);
    while (!probed.hasExpired() && browse(location, u"videos"_s) != browse(location, u"videos"_s, named))
        QThread::msleep(200);
    EXPECT_EQ(browse(location, u"videos"_s), browse(location, u"videos"_s, named));
    const QString second = browse(location, u"videos"_s, u"*"_s, 1, 1);
    EXPECT_TRUE(second.contains(u"<NumberReturned>1</NumberReturned><TotalMatches>2</TotalMatches>"_s));
    EXPECT_EQ(second.count(u"<item "_s), 1);

    const struct
    {
        QStringList options;
        QString expected;
    } cases[] = {
        { { u"-I"_s }, u"HTTP/1.1 200 OK\r\nContent-Type: video/mp4\r\nContent-Length: %1\r\n"_s.arg(size) },
        { { u"-I"_s }, u"Accept-Ranges: bytes\r\ncontentFeatures.dlna.org: DLNA.ORG_PN=AVC_MP4_"_s },
        { { u"-I"_s, u"-H"_s, u"transferMode.dlna.org: Interactive"_s },
            u"transferMode.dlna.org: Interactive"_s },
        { { u"-r"_s, u"-100"_s },
            u"Content-Range: bytes %1-%2/%3"_s.arg(size - 100).arg(size - 1).arg(size) },
        { { u"-r"_s, u"%1-"_s.arg(size) }, u"416 Range Not Satisfiable"_s },
        { { u"-X"_s, u"POST"_s }, u"405 Method Not Allowed"_s },
    };
    for (const auto &c : cases) {
        const QByteArray headers = curl(
            QStringList { u"-D"_s, u"-"_s, u"-o"_s, u"/dev/null"_s } + c.options + QStringList { url });
        EXPECT_TRUE(QString::fromLatin1(headers).contains(c.expected)) << headers.constData();
    }
    // Both requests on one connection.
    EXPECT_EQ(
        curl({ u"-o"_s, u"/dev/null"_s, u"-o"_s, u"/dev/null"_s, u"-w"_s, u"%{num_connects} "_s, url, url })
            .trimmed(),
        "1 0");

    // A client that stops reading a large file: the others are served,
    // and the switch still answers at once.
    QProcess stalled;
    stalled.start(u"ip"_s,
        { u"netns"_s, u"exec"_s, m_namespace, u"sh"_s, u"-c"_s,
            u"curl -s -m 20 '%1' | sleep 20"_s.arg(bigUrl) });
    ASSERT_TRUE(stalled.waitForStarted(5000));
    QThread::msleep(1000);
    QByteArray part;
    EXPECT_EQ(fetch(url, { u"-r"_s, u"0-999"_s }, &part), "206");
    EXPECT_EQ(part, bytes.left(1000));
    EXPECT_TRUE(command("sharing off", "sharing off"));
    EXPECT_EQ(fetch(url), "000");
    stalled.kill();
    stalled.waitForFinished(5000);
}

} // namespace
