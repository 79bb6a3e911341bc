// The media server on a private network namespace (loopback with multicast),
// measured with real clients: the time from its start to the first
// discovery answer (target under 2 s), a Browse of a 500-file folder
// (target under 100 ms), and the HTTP throughput of a 500 MB file against
// nginx serving the same file in the same run, taking turns (target at
// least 0.8x nginx; nginx-light is installed when missing). Needs root.
//
//   mediaserver_bench [ROUNDS]   (default 5; medians are printed)
#include "bench/benchenvironment.h"
#include "settings/kavosettings.h"
#include "tests/mediaserver/runcommand.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString g_namespace;
constexpr int LongMs = 60000;

QStringList inside(const QStringList &command)
{
    return QStringList { u"ip"_s, u"netns"_s, u"exec"_s, g_namespace, u"timeout"_s, u"120"_s } + command;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

class Server
{
public:
    bool start(const QString &program)
    {
        m_process.setProgram(u"ip"_s);
        m_process.setArguments(
            { u"netns"_s, u"exec"_s, g_namespace, program, u"--headless"_s, u"--sharing"_s, u"on"_s });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"KAVO_SHARE_INTERFACES"_s, u"lo"_s);
        m_process.setProcessEnvironment(environment);
        m_process.start();
        return m_process.waitForStarted(5000);
    }
    ~Server()
    {
        m_process.write("quit\n");
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

private:
    QProcess m_process;
};

// The description URL, from gssdp-discover started beside the server;
// elapsed receives the time from the server's start to the first answer.
QString discover(const QString &program, Server &server, double *elapsed)
{
    QProcess browser;
    browser.start(u"ip"_s,
        { u"netns"_s, u"exec"_s, g_namespace, u"gssdp-discover"_s, u"-i"_s, u"lo"_s, u"-t"_s,
            u"urn:schemas-upnp-org:device:MediaServer:1"_s, u"--timeout=10"_s });
    browser.waitForStarted(5000);
    QThread::msleep(300); // its search goes out first; the server's own announcement is what counts
    QElapsedTimer timer;
    timer.start();
    if (!server.start(program))
        return {};
    QString location;
    const QDeadlineTimer deadline(10000);
    while (location.isEmpty() && !deadline.hasExpired()) {
        browser.waitForReadyRead(20);
        while (browser.canReadLine()) {
            const auto match = QRegularExpression(u"Location: (http://\\S+)"_s)
                                   .match(QString::fromUtf8(browser.readLine()));
            if (match.hasMatch() && location.isEmpty()) {
                *elapsed = timer.nsecsElapsed() / 1e6;
                location = match.captured(1);
            }
        }
    }
    browser.kill();
    browser.waitForFinished(2000);
    return location;
}

QString controlUrl(const QString &location)
{
    QByteArray description;
    runCommand(inside({ u"curl"_s, u"-s"_s, u"-m"_s, u"5"_s, location }), &description);
    const auto control = QRegularExpression(u"<controlURL>([^<]*ContentDirectory)</controlURL>"_s)
                             .match(QString::fromUtf8(description));
    return location.section(u'/', 0, 2) + control.captured(1);
}

// Milliseconds curl took for one Browse; matches receives TotalMatches,
// didl (when given) the answer's DIDL-Lite.
double browse(const QString &control, const QString &id, int *matches, QString *didl = nullptr)
{
    const QString body
        = u"<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
          "s:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\"><s:Body><u:Browse "
          "xmlns:u=\"urn:schemas-upnp-org:service:ContentDirectory:1\"><ObjectID>%1</ObjectID><BrowseFlag>"
          "BrowseDirectChildren</BrowseFlag><Filter>*</Filter><StartingIndex>0</"
          "StartingIndex><RequestedCount>0"
          "</RequestedCount><SortCriteria></SortCriteria></u:Browse></s:Body></s:Envelope>"_s.arg(id);
    QByteArray answer;
    runCommand(inside({ u"curl"_s, u"-s"_s, u"-m"_s, u"10"_s, u"-w"_s, u"\n%{time_total}"_s, u"-H"_s,
                   u"Content-Type: text/xml; charset=\"utf-8\""_s, u"-H"_s,
                   u"SOAPACTION: \"urn:schemas-upnp-org:service:ContentDirectory:1#Browse\""_s, u"--data"_s,
                   body, control }),
        &answer);
    const auto total
        = QRegularExpression(u"<TotalMatches>(\\d+)</TotalMatches>"_s).match(QString::fromUtf8(answer));
    *matches = total.hasMatch() ? total.captured(1).toInt() : -1;
    if (didl) {
        *didl = QString::fromUtf8(answer);
        didl->replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&quot;"_s, u"\""_s);
    }
    return answer.mid(answer.lastIndexOf('\n') + 1).toDouble() * 1000;
}

// Megabytes per second of one GET, or 0 when it failed or came short.
double download(const QString &url, qint64 size)
{
    QByteArray out;
    if (runCommand(inside({ u"curl"_s, u"-s"_s, u"-o"_s, u"/dev/null"_s, u"-w"_s,
                       u"%{size_download} %{time_total}"_s, url }),
            &out, LongMs)
        != 0) {
        std::fprintf(stderr, "GET %s failed: %s\n", qPrintable(url), out.constData());
        return 0;
    }
    const QList<QByteArray> parts = out.trimmed().split(' ');
    if (parts.size() != 2 || parts[0].toLongLong() != size || parts[1].toDouble() <= 0)
        return 0;
    return size / parts[1].toDouble() / 1e6;
}

bool ensureNginx()
{
    if (QFile::exists(u"/usr/sbin/nginx"_s))
        return true;
    std::printf("installing nginx-light for the comparison\n");
    return runCommand({ u"env"_s, u"DEBIAN_FRONTEND=noninteractive"_s, u"apt-get"_s, u"install"_s, u"-y"_s,
                          u"-qq"_s, u"--no-install-recommends"_s, u"nginx-light"_s },
               nullptr, 600000)
        == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    useBenchEnvironment(home);
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    if (geteuid() != 0) {
        std::printf("mediaserver_bench: needs root for its network namespace; skipped\n");
        return 0;
    }
    g_namespace = u"kavo-ms-bench-%1"_s.arg(getpid());
    if (runCommand({ u"ip"_s, u"netns"_s, u"add"_s, g_namespace }) != 0) {
        std::printf("mediaserver_bench: ip netns add failed; skipped\n");
        return 0;
    }
    struct Cleanup
    {
        ~Cleanup() { runCommand({ u"ip"_s, u"netns"_s, u"del"_s, g_namespace }); }
    } cleanup;
    runCommand(
        { u"ip"_s, u"-n"_s, g_namespace, u"link"_s, u"set"_s, u"lo"_s, u"up"_s, u"multicast"_s, u"on"_s });
    runCommand({ u"ip"_s, u"-n"_s, g_namespace, u"route"_s, u"add"_s, u"224.0.0.0/4"_s, u"dev"_s, u"lo"_s });
    const QString program = QCoreApplication::applicationDirPath() + u"/kavo-media-server"_s;

    // 500 small clips (links to one).
    QTemporaryDir media;
    const QString clip = media.filePath(u"clip 000.mp4"_s);
    if (runCommand(
            { u"ffmpeg"_s, u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc=size=320x240"_s,
                u"-t"_s, u"1"_s, u"-c:v"_s, u"libx264"_s, u"-pix_fmt"_s, u"yuv420p"_s, clip },
            nullptr, LongMs)
        != 0)
        return 1;
    // Hard links: the server shares a symbolic link only by its target.
    for (int i = 1; i < 500; ++i) {
        const QByteArray name
            = QFile::encodeName(media.filePath(u"clip %1.mp4"_s.arg(i, 3, 10, QLatin1Char('0'))));
        if (::link(QFile::encodeName(clip).constData(), name.constData()) != 0)
            return 1;
    }
    kvtl::RefCountedPtr<kvds::IKavoSettings> general;
    if (!kvds::CreateSettings("Settings/KavoPlayer/General", kvds::CreateUserOpenMachine, &general)
        || !general->SetString(std::string("MediaFolder"), media.path().toStdString()))
        return 1;

    std::vector<double> discovery;
    for (int i = 0; i < rounds; ++i) {
        Server server;
        double ms = 0;
        if (!discover(program, server, &ms).isEmpty())
            discovery.push_back(ms);
    }
    std::printf(
        "start to first discovery answer: median %.0f ms, max %.0f ms over %zu starts (target < 2000 ms)\n",
        median(discovery), discovery.empty() ? 0 : *std::max_element(discovery.begin(), discovery.end()),
        discovery.size());

    Server server;
    double ignored = 0;
    const QString location = discover(program, server, &ignored);
    if (location.isEmpty()) {
        std::printf("the media server was not found\n");
        return 1;
    }
    const QString control = controlUrl(location);
    int matches = 0;
    const QDeadlineTimer listed(30000);
    while (!listed.hasExpired() && (browse(control, u"videos"_s, &matches), matches != 500))
        QThread::msleep(200);
    // Once while the new files are still being probed (each probe round
    // rebuilds the container), once after.
    const auto measure = [&](const char *when) {
        std::vector<double> browses;
        for (int i = 0; i < rounds * 2; ++i) {
            const double ms = browse(control, u"videos"_s, &matches);
            if (matches == 500)
                browses.push_back(ms);
        }
        std::printf(
            "Browse of a 500-file folder %s: median %.1f ms, max %.1f ms over %zu (target < 100 ms)\n", when,
            median(browses), browses.empty() ? 0 : *std::max_element(browses.begin(), browses.end()),
            browses.size());
    };
    measure("while probing");
    QString didl;
    const QDeadlineTimer probed(180000);
    while (!probed.hasExpired()
        && (browse(control, u"videos"_s, &matches, &didl), didl.count(u"duration="_s) < 500))
        QThread::msleep(500);
    measure("after probing");

    // A 500 MB file joins the folder, and nginx serves the same folder.
    const qint64 bigSize = 500LL * 1000 * 1000;
    runCommand({ u"sh"_s, u"-c"_s,
                   u"head -c %1 /dev/urandom > '%2'"_s.arg(bigSize).arg(media.filePath(u"big.ts"_s)) },
        nullptr, LongMs);
    QString url;
    const QDeadlineTimer shown(30000);
    while (url.isEmpty() && !shown.hasExpired()) {
        QString didl;
        browse(control, u"videos"_s, &matches, &didl);
        url = QRegularExpression(u"<dc:title>big</dc:title>.*?(http://[^<\"]*/media/[^<\"]*)"_s)
                  .match(didl)
                  .captured(1);
        if (url.isEmpty())
            QThread::msleep(200);
    }
    if (url.isEmpty() || !ensureNginx()) {
        std::printf("throughput: %s\n", url.isEmpty() ? "the big file was not listed" : "no nginx");
        return 1;
    }
    QTemporaryDir nginxDir;
    QFile config(nginxDir.filePath(u"nginx.conf"_s));
    if (!config.open(QIODevice::WriteOnly)
        || config.write(
               u"daemon off; user root; worker_processes 1; pid %1/nginx.pid; error_log %1/error.log;\n"
               "events {}\nhttp { access_log off; sendfile on; server { listen 127.0.0.1:8089; root %2; } }\n"_s
                   .arg(nginxDir.path(), media.path())
                   .toUtf8())
            < 0)
        return 1;
    config.close();
    QProcess nginx;
    nginx.start(u"ip"_s,
        { u"netns"_s, u"exec"_s, g_namespace, u"/usr/sbin/nginx"_s, u"-p"_s, nginxDir.path(), u"-c"_s,
            config.fileName(), u"-e"_s, nginxDir.filePath(u"error.log"_s) });
    nginx.waitForStarted(5000);
    QThread::msleep(500);
    std::vector<double> ours, theirs, ratios;
    for (int i = 0; i < rounds; ++i) {
        // Each goes first in turn.
        const QString nginxUrl = u"http://127.0.0.1:8089/big.ts"_s;
        const double first = download(i % 2 ? nginxUrl : url, bigSize);
        const double second = download(i % 2 ? url : nginxUrl, bigSize);
        ours.push_back(i % 2 ? second : first);
        theirs.push_back(i % 2 ? first : second);
        ratios.push_back(theirs.back() > 0 ? ours.back() / theirs.back() : 0);
        std::printf("  round %d: media server %.0f MB/s, nginx %.0f MB/s (%.2fx)\n", i + 1, ours.back(),
            theirs.back(), ratios.back());
    }
    nginx.terminate();
    nginx.waitForFinished(5000);
    const double a = median(ours), b = median(theirs);
    std::printf(
        "500 MB over loopback: media server %.0f MB/s, nginx %.0f MB/s: %.2fx nginx, median of the rounds' "
        "ratios %.2fx (target >= 0.8x)\n",
        a, b, b > 0 ? a / b : 0, median(ratios));
    return 0;
}
