// The engine with the real ffmpeg, ffprobe and xorriso on generated clips:
// what arrives is checked by its own properties, and what does not arrive
// leaves nothing behind.
#include "tests/transfer/testclips.h"
#include "transfer/localname.h"
#include "transfer/mpeg4stream.h"
#include "transfer/partfile.h"
#include "transfer/pinnedfolder.h"
#include "transfer/runjournal.h"
#include "transfer/targetnames.h"
#include "transfer/toolrun.h"
#include "transfer/transferengine.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Zarnet;

namespace {

struct Outcome
{
    QVector<TransferItem> items;
    bool allArrived = false;
    QString runError;
    QVector<TransferProgress> progress;
};

// Runs one request to its end; cancelAfter > 0 cancels once that many
// milliseconds of conversion have passed, or calls meanwhile instead when
// given; cancelAfter < 0 cancels while the files are probed; cancelWhen,
// asked every 20 ms, cancels once it is true.
Outcome transfer(const TransferRequest &request, int cancelAfter = 0, int killDelay = 5000,
    std::function<void()> meanwhile = {}, std::function<bool()> cancelWhen = {})
{
    TransferEngine engine;
    engine.setKillDelay(killDelay);
    Outcome run;
    QEventLoop loop;
    bool scheduled = false;
    QObject::connect(&engine, &TransferEngine::progressed, [&](const TransferProgress &progress) {
        run.progress.append(progress);
        if (progress.fraction >= 1.0 && progress.stage == TransferProgress::Arrived && !request.burn) {
            // 100 % only once the file is there under its own name.
            const TransferItem &item = engine.items().at(progress.file - 1);
            EXPECT_TRUE(item.state == TransferItem::Arrived || item.state == TransferItem::AlreadyThere);
            for (const QString &output : item.outputs)
                EXPECT_TRUE(QFileInfo::exists(output)) << output.toStdString();
        }
        if (cancelAfter > 0 && progress.stage == TransferProgress::Converting && !scheduled) {
            scheduled = true;
            if (meanwhile)
                QTimer::singleShot(cancelAfter, &engine, meanwhile);
            else
                QTimer::singleShot(cancelAfter, &engine, &TransferEngine::cancel);
        }
    });
    QObject::connect(&engine, &TransferEngine::finished, &loop, [&](bool all) {
        run.allArrived = all;
        loop.quit();
    });
    QString error;
    EXPECT_TRUE(engine.start(request, &error)) << error.toStdString();
    if (cancelAfter < 0)
        QTimer::singleShot(0, &engine, &TransferEngine::cancel);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &engine, [&] {
        if (cancelWhen && cancelWhen())
            engine.cancel();
    });
    watch.start(20);
    QTimer::singleShot(180000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(engine.isRunning());
    run.items = engine.items();
    run.runError = engine.runError();
    return run;
}

// A request whose destination (the folder, or the image's) is made.
TransferRequest toFolder(int type, const QStringList &files, const QString &folder)
{
    QDir().mkpath(folder);
    TransferRequest request;
    request.type = type;
    request.files = files;
    request.destination = folder;
    request.x264Preset = QStringLiteral("veryfast");
    return request;
}

TransferRequest toDisc(int type, const QStringList &files, const QString &iso)
{
    TransferRequest request = toFolder(type, files, QFileInfo(iso).path());
    request.destination.clear();
    request.burn = true;
    request.isoPath = iso;
    request.disc = DiscSize::Cd;
    return request;
}

// A new file with these bytes in place of whatever had the name.
bool writeFile(const QString &path, const QByteArray &bytes = {})
{
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList fileNames(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    return names;
}

QStringList allClips()
{
    QStringList clips;
    for (int kind = 0; kind < TestClips::KindCount; ++kind)
        clips << TestClips::path(TestClips::Kind(kind));
    return clips;
}

double rate(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    return parts.size() == 2 && parts[1].toDouble() > 0 ? parts[0].toDouble() / parts[1].toDouble()
                                                        : text.toDouble();
}

// The longest run of B-frames and the most video bits in any one second.
std::pair<int, double> videoRhythm(const QString &file)
{
    QByteArray json;
    EXPECT_TRUE(TestClips::run(QStringLiteral("ffprobe"),
        args("-v error -select_streams v:0 -show_frames -show_entries frame=pict_type,pkt_size,pts_time "
             "-print_format json %1",
            { file }),
        &json));
    int run = 0;
    int bRun = 0;
    QVector<std::pair<double, double>> frames; // time, bits
    for (const QJsonValue &value : QJsonDocument::fromJson(json)[QLatin1String("frames")].toArray()) {
        run = value[QLatin1String("pict_type")].toString() == QLatin1String("B") ? run + 1 : 0;
        bRun = std::max(bRun, run);
        frames.append({ value[QLatin1String("pts_time")].toString().toDouble(),
            value[QLatin1String("pkt_size")].toString().toDouble() * 8 });
    }
    double peak = 0;
    for (int i = 0; i < frames.size(); ++i) {
        double sum = 0;
        for (int j = i; j < frames.size() && frames[j].first < frames[i].first + 1.0; ++j)
            sum += frames[j].second;
        peak = std::max(peak, sum);
    }
    return { bRun, peak };
}

// MP4 boxes at the top, in file order: no faststart means moov after mdat.
QStringList topBoxes(const QString &file)
{
    QFile in(file);
    QStringList boxes;
    if (!in.open(QIODevice::ReadOnly))
        return boxes;
    while (!in.atEnd()) {
        const QByteArray head = in.read(8);
        if (head.size() < 8)
            break;
        const quint64 size = qFromBigEndian<quint32>(head.constData());
        boxes << QString::fromLatin1(head.mid(4, 4));
        if (size < 8 || !in.seek(in.pos() + qint64(size) - 8))
            break;
    }
    return boxes;
}

void checkPlays(const QString &file, int type)
{
    SCOPED_TRACE(file.toStdString());
    const QJsonDocument probe = QJsonDocument::fromJson(TestClips::probeJson(file));
    const QJsonArray streams = probe[QLatin1String("streams")].toArray();
    ASSERT_FALSE(streams.isEmpty());
    const QString format = probe[QLatin1String("format")][QLatin1String("format_name")].toString();
    for (const QJsonValue &stream : streams) {
        const auto text = [&](const char *key) { return stream[QLatin1String(key)].toString(); };
        const auto number = [&](const char *key) { return stream[QLatin1String(key)].toInt(); };
        const QString codec = text("codec_name");
        if (text("codec_type") == QLatin1String("video")) {
            const int width = number("width");
            const int height = number("height");
            const double fps = rate(text("avg_frame_rate"));
            EXPECT_EQ(text("pix_fmt"), QStringLiteral("yuv420p"));
            if (type == 0) {
                EXPECT_EQ(format, QStringLiteral("avi"));
                EXPECT_EQ(codec, QStringLiteral("mpeg4"));
                EXPECT_EQ(text("codec_tag_string"), QStringLiteral("DX50"));
                EXPECT_TRUE((width <= 720 && height <= 576 && fps <= 25.01)
                    || (width <= 720 && height <= 480 && fps <= 30.01));
                const auto [bRun, peak] = videoRhythm(file);
                EXPECT_LE(bRun, 1);
                EXPECT_LE(peak, 4854000.0);
            } else {
                EXPECT_EQ(codec, QStringLiteral("h264"));
                EXPECT_TRUE(args("Baseline Main High")
                                .contains(text("profile").remove(QLatin1String("Constrained "))));
                EXPECT_LE(number("level"), type == 3 ? 40 : 41);
                EXPECT_TRUE((width <= 1920 && height <= 1080 && fps <= 30.01)
                    || (width <= 1280 && height <= 720 && fps <= 60.01));
            }
        } else if (text("codec_type") == QLatin1String("audio")) {
            // AC-3 goes to the players that take it as it is, 5.1 included.
            EXPECT_TRUE(number("channels") <= 2 || codec == QLatin1String("ac3"));
            EXPECT_TRUE(type == 0 ? codec == QLatin1String("mp3") || codec == QLatin1String("ac3")
                                  : codec == QLatin1String("aac"))
                << codec.toStdString();
            EXPECT_TRUE(type != 3 || text("profile") == QLatin1String("LC"));
        }
    }
    const QStringList boxes = topBoxes(file);
    EXPECT_TRUE(!format.contains(QLatin1String("mp4"))
        || boxes.indexOf(QStringLiteral("moov")) > boxes.indexOf(QStringLiteral("mdat")))
        << boxes.join(QLatin1Char(' ')).toStdString();
}

class TransferEngineTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_FALSE(TestClips::folder().isEmpty()) << "ffmpeg could not make the test clips";
    }
    QTemporaryDir m_dir;
};

TEST_F(TransferEngineTest, EveryOutputMeetsItsDevice)
{
    for (int type = 0; type < 4; ++type) {
        SCOPED_TRACE(testing::Message() << "type " << type);
        const QString folder = m_dir.filePath(QString::number(type));
        const Outcome run = transfer(toFolder(type, allClips(), folder));
        EXPECT_TRUE(run.allArrived);
        for (const TransferItem &item : run.items) {
            EXPECT_EQ(item.state, TransferItem::Arrived) << item.error.toStdString();
            for (const QString &output : item.outputs)
                checkPlays(output, type);
        }
        EXPECT_EQ(folderEntries(folder).filter(QStringLiteral(".kavo-part")), QStringList());
    }
    MediaProbe probe;
    // Anamorphic 160x120 at 2:1 comes out 320x120 with square pixels.
    ASSERT_TRUE(TestClips::probe(m_dir.filePath(QStringLiteral("0/wide.avi")), &probe));
    EXPECT_EQ(probe.video.width, 320);
    EXPECT_EQ(probe.video.height, 120);
    EXPECT_TRUE(probe.isSquarePixels());
    // Remuxed into AVI at its own 24 fps, not padded to another rate.
    ASSERT_TRUE(TestClips::probe(m_dir.filePath(QStringLiteral("0/asp.avi")), &probe));
    EXPECT_EQ(probe.video.frameRate, QStringLiteral("24/1"));
    EXPECT_NEAR(probe.duration, 2.0, 0.2);
    // Text subtitles go into MP4 as timed text and stay in Matroska.
    ASSERT_TRUE(TestClips::probe(m_dir.filePath(QStringLiteral("3/clip with subtitles.mp4")), &probe));
    ASSERT_EQ(probe.subtitles.size(), 1);
    EXPECT_EQ(probe.subtitles.at(0).codec, QStringLiteral("mov_text"));
    ASSERT_TRUE(TestClips::probe(m_dir.filePath(QStringLiteral("2/clip with subtitles.mkv")), &probe));
    ASSERT_EQ(probe.subtitles.size(), 1);
    // A copy is the same bytes.
    EXPECT_TRUE(
        sameBytes(TestClips::path(TestClips::Mp4H264Aac), m_dir.filePath(QStringLiteral("1/clip.mp4"))));
}

TEST_F(TransferEngineTest, BadFilesFailAloneAndTheOthersArrive)
{
    const QString text = m_dir.filePath(QStringLiteral("notes.mp4"));
    ASSERT_TRUE(writeFile(text, "not a video at all\n"));
    const QString out = m_dir.filePath(QStringLiteral("out"));
    const Outcome run = transfer(toFolder(2,
        { m_dir.filePath(QStringLiteral("missing.mp4")), text, m_dir.path(),
            TestClips::path(TestClips::Mp4H264Aac) },
        out));
    EXPECT_FALSE(run.allArrived);
    ASSERT_EQ(run.items.size(), 4);
    EXPECT_EQ(run.items[0].error, QStringLiteral("the source does not exist"));
    EXPECT_TRUE(run.items[1].error.startsWith(QStringLiteral("not a video: ")))
        << run.items[1].error.toStdString();
    EXPECT_EQ(run.items[2].error, QStringLiteral("not a video: not a file"));
    EXPECT_EQ(run.items[3].state, TransferItem::Arrived);
    EXPECT_EQ(folderEntries(out), QStringList { QStringLiteral("clip.mp4") });
}

TEST_F(TransferEngineTest, CancelCrashKillFailureAndUnplugLeaveNothing)
{
    enum Then { Ends, Cancel, Unplug };
    struct Row
    {
        const char *name;
        const char *ending;
        Then then;
        TransferItem::State state;
        const char *error;
    };
    const Row rows[] = {
        { "exits", "echo 'Conversion failed!' >&2; exit 1", Ends, TransferItem::Failed,
            "ffmpeg failed (exit 1): Conversion failed!" },
        { "killed", "kill -9 $$", Ends, TransferItem::Failed, "ffmpeg ended abnormally" },
        { "crashes", "kill -SEGV $$", Ends, TransferItem::Failed, "ffmpeg ended abnormally" },
        { "full", "echo 'Error: No space left on device' >&2; exit 1", Ends, TransferItem::Failed,
            "the destination is full" },
        { "waits", "exec sleep 60", Cancel, TransferItem::Cancelled, "" },
        { "deaf", "trap '' TERM; sleep 60; sleep 60", Cancel, TransferItem::Cancelled, "" },
        { "absent", nullptr, Ends, TransferItem::Failed, "ffmpeg could not be started" },
        { "unplugged", "sleep 1", Unplug, TransferItem::Failed, "The destination is no longer there." },
    };
    QTemporaryDir bin;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QString out = m_dir.filePath(QLatin1String(row.name));
        qputenv("KAVO_FFMPEG",
            row.ending ? fakeFfmpeg(bin.filePath(QLatin1String(row.name)), row.ending).toLocal8Bit()
                       : QByteArray("/nonexistent/ffmpeg"));
        const Outcome run = transfer(
            toFolder(3, { TestClips::path(TestClips::MkvH264Mp3Srt), TestClips::path(TestClips::Mp4H264Aac) },
                out),
            row.then == Ends ? 0 : 300, 300,
            row.then == Unplug ? std::function<void()>([&] { QDir(out).removeRecursively(); }) : nullptr);
        qunsetenv("KAVO_FFMPEG");
        ASSERT_EQ(run.items.size(), 2);
        EXPECT_EQ(run.items[0].state, row.state);
        EXPECT_EQ(run.items[0].error, QLatin1String(row.error));
        // After a cancel nothing more starts; after a failure the copy goes
        // on; with the destination gone it cannot.
        EXPECT_EQ(run.items[1].state,
            row.then == Ends         ? TransferItem::Arrived
                : row.then == Cancel ? TransferItem::Cancelled
                                     : row.state);
        EXPECT_EQ(run.items[1].error, QLatin1String(row.then == Unplug ? row.error : ""));
        EXPECT_EQ(folderEntries(out),
            row.then == Ends ? QStringList { QStringLiteral("clip.mp4") } : QStringList());
        EXPECT_EQ(QFileInfo::exists(out), row.then != Unplug);
    }
}

// The first file's copy begins while it is probed; it is kept only when the
// plan says copy, and a cancel or another plan leaves nothing of it.
TEST_F(TransferEngineTest, CopyBegunWhileProbingIsKeptOnlyWhenItGoesAsItIs)
{
    const QString big = m_dir.filePath(QStringLiteral("big.mp4"));
    ASSERT_TRUE(QFile::copy(TestClips::path(TestClips::Mp4H264Aac), big));
    ASSERT_TRUE(QFile(big).resize(Q_INT64_C(300) << 20));
    struct Row
    {
        int type;
        QString source;
        bool cancel;
        TransferAction action;
        const char *arrived;
    };
    const Row rows[] = {
        { 2, TestClips::path(TestClips::Mp4H264Aac), false, TransferAction::Copy, "clip.mp4" },
        { 1, TestClips::path(TestClips::AviAspMp3), false, TransferAction::Transcode, "clip.mp4" },
        { 2, big, true, TransferAction::Copy, nullptr },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.source.toStdString());
        const QString out = m_dir.filePath(QStringLiteral("out%1").arg(&row - rows));
        const Outcome run = transfer(toFolder(row.type, { row.source }, out), row.cancel ? -1 : 0);
        // At finished(), with no part left.
        EXPECT_EQ(
            folderEntries(out), row.arrived ? QStringList { QLatin1String(row.arrived) } : QStringList());
        ASSERT_EQ(run.items.size(), 1);
        EXPECT_EQ(run.items[0].state, row.cancel ? TransferItem::Cancelled : TransferItem::Arrived);
        if (row.cancel)
            continue;
        EXPECT_EQ(run.items[0].decision.action, row.action);
        EXPECT_EQ(sameBytes(row.source, QDir(out).filePath(QLatin1String(row.arrived))),
            row.action == TransferAction::Copy);
    }
}

// A run that died leaves a part and a staging folder (holding a link to a
// folder of the user's); a user's own files named like ours, FIFOs at the
// names a run would take, and a dead run's part swapped for another file
// must all survive the next run's sweep.
TEST_F(TransferEngineTest, SweepRemovesOnlyWhatDeadRunsMade)
{
    const QString out = m_dir.filePath(QStringLiteral("out"));
    const QString victim = m_dir.filePath(QStringLiteral("victim"));
    QDir().mkpath(out + QStringLiteral("/.kavo-staging-photos"));
    QDir().mkpath(victim);
    for (const char *name : { "out/.holiday.mp4.kavo-part", "out/.kavo-staging-photos/a.jpg", "victim/keep" })
        ASSERT_TRUE(writeFile(m_dir.filePath(QLatin1String(name))));
    const QByteArray photos = QFile::encodeName(out + QStringLiteral("/.kavo-staging-photos"));
    const struct timeval old[2] = { { ::time(nullptr) - 1200, 0 }, { ::time(nullptr) - 1200, 0 } };
    ASSERT_EQ(::utimes(photos.constData(), old), 0);
    for (const char *name : { "out/.clip.mp4.kavo-part", "out/clip.mp4" })
        ASSERT_EQ(::mkfifo(QFile::encodeName(m_dir.filePath(QLatin1String(name))).constData(), 0600), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // Made, then dead without a word: no destructor runs.
        auto *journal = new RunJournal;
        auto *folder = new PinnedFolder;
        auto *part = new PartFile;
        auto *swapped = new PartFile;
        auto *staging = new PinnedFolder;
        QString error;
        const bool made = journal->open(&error) && folder->open(out, &error)
            && part->create(*folder, QStringLiteral("dead.mp4"), journal, &error)
            && swapped->create(*folder, QStringLiteral("swapped.mp4"), journal, &error)
            && staging->makeStaging(*folder, journal, &error)
            && ::symlinkat(QFile::encodeName(victim).constData(), staging->descriptor(), "link") == 0;
        ::_exit(made ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(status, 0);
    ASSERT_TRUE(
        QFile::rename(out + QStringLiteral("/.swapped.mp4.kavo-part"), out + QStringLiteral("/moved")));
    ASSERT_TRUE(writeFile(out + QStringLiteral("/.swapped.mp4.kavo-part")));
    const Outcome run = transfer(toFolder(2, { TestClips::path(TestClips::Mp4H264Aac) }, out));
    EXPECT_TRUE(run.allArrived);
    EXPECT_EQ(QDir(out).entryList(
                  QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
        args(".clip.mp4.kavo-part .holiday.mp4.kavo-part .kavo-sent .kavo-staging-photos "
             ".swapped.mp4.kavo-part %1 clip.mp4 moved",
            { QStringLiteral("clip (2).mp4") }));
    EXPECT_TRUE(QFileInfo::exists(out + QStringLiteral("/.kavo-staging-photos/a.jpg")));
    EXPECT_TRUE(QFileInfo::exists(victim + QStringLiteral("/keep")));
    EXPECT_EQ(QDir(RunJournal::folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// A probe that never answers (a file swapped for a FIFO, a hung driver)
// fails its own file; the others go on.
TEST_F(TransferEngineTest, ProbeThatSaysNothingFailsItsFileAlone)
{
    QTemporaryDir bin;
    const QString hang = m_dir.filePath(QStringLiteral("hang.mp4"));
    ASSERT_TRUE(QFile::copy(TestClips::path(TestClips::Mp4H264Aac), hang));
    qputenv("KAVO_FFPROBE",
        shellScript(bin.filePath(QStringLiteral("ffprobe")),
            // The others keep saying something, however slow the machine.
            "case \"$*\" in *hang*) exec sleep 600;; esac\nffprobe \"$@\" & p=$!\n"
            "while kill -0 $p 2>/dev/null; do echo . >&2; sleep 0.1; done\nwait $p")
            .toLocal8Bit());
    TransferEngine engine;
    engine.setSilenceLimit(2000);
    QEventLoop loop;
    QObject::connect(&engine, &TransferEngine::finished, &loop, &QEventLoop::quit);
    QString error;
    ASSERT_TRUE(engine.start(
        toFolder(2, { hang, TestClips::path(TestClips::Mp4H264Aac) }, m_dir.filePath(QStringLiteral("out"))),
        &error));
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    qunsetenv("KAVO_FFPROBE");
    ASSERT_EQ(engine.items().size(), 2);
    EXPECT_EQ(engine.items()[0].state, TransferItem::Failed);
    EXPECT_EQ(engine.items()[0].error, QStringLiteral("ffprobe read nothing from it for 2 s"));
    EXPECT_EQ(engine.items()[1].state, TransferItem::Arrived);
}

// A stick pulled mid-run: the bare mount point left behind gets nothing, and
// every file after says why.
TEST_F(TransferEngineTest, DestinationThatGoesAwayGetsNothingUnderneath)
{
    const QString mountPoint = m_dir.filePath(QStringLiteral("stick"));
    QDir().mkpath(mountPoint);
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64m") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    const QString clip = TestClips::path(TestClips::Mp4H264Aac);
    TransferRequest request = toFolder(2, { clip, TestClips::path(TestClips::AviAspMp3), clip }, mountPoint);
    request.volumeLabel = QStringLiteral("HOLIDAY");
    TransferEngine engine;
    QEventLoop loop;
    QObject::connect(&engine, &TransferEngine::fileEnded, [&](int index) {
        if (index == 0)
            ::umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH);
    });
    QObject::connect(&engine, &TransferEngine::finished, &loop, &QEventLoop::quit);
    QString error;
    ASSERT_TRUE(engine.start(request, &error));
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    ::umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH);
    ASSERT_EQ(engine.items().size(), 3);
    EXPECT_EQ(engine.items()[0].state, TransferItem::Arrived);
    for (int i : { 1, 2 }) {
        EXPECT_EQ(engine.items()[i].state, TransferItem::Failed);
        EXPECT_EQ(engine.items()[i].error, QStringLiteral("The USB stick “HOLIDAY” was removed."));
    }
    EXPECT_EQ(
        QDir(mountPoint).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

// Another local user who can write to the destination (a shared folder, a
// stick mounted for everyone) swaps our parts and staging folders for links
// to a folder they cannot write, while real transfers run. Nothing of that
// folder may change, and nothing that arrives may be a link.
TEST_F(TransferEngineTest, SharedFolderRacedByAnotherUserLosesNothing)
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        GTEST_SKIP() << "needs root to run a second user (nobody)";
    QTemporaryDir base(QStringLiteral("/tmp/kavo-race-XXXXXX"));
    ASSERT_EQ(::chmod(QFile::encodeName(base.path()).constData(), 0755), 0);
    const QString shared = base.filePath(QStringLiteral("shared"));
    const QString victim = base.filePath(QStringLiteral("victim"));
    QDir().mkpath(shared);
    QDir().mkpath(victim);
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(writeFile(victim + QStringLiteral("/v%1").arg(i), "keep"));
    const QByteArray script = "cd '" + QFile::encodeName(shared)
        + "'; end=$(($(date +%s) + 4))\n"
          "while [ $(date +%s) -lt $end ]; do\n"
          "  for f in .*.kavo-part .kavo-staging-*; do\n"
          "    [ -e \"$f\" ] && [ ! -L \"$f\" ] && mv \"$f\" \"moved-$f\" 2>/dev/null && ln -s '"
        + QFile::encodeName(victim)
        + "' \"$f\"\n"
          "  done\n"
          "  for n in '' .2 .3; do ln -s '"
        + QFile::encodeName(victim)
        + "/v0' .clip.mp4$n.kavo-part 2>/dev/null; done\n"
          "  mkdir -p .kavo-staging-evil && ln -sfn '"
        + QFile::encodeName(victim)
        + "' .kavo-staging-evil/sub\n"
          "done\n";
    QProcess attacker;
    attacker.start(QStringLiteral("setpriv"),
        args("--reuid=nobody --regid=nogroup --clear-groups sh -c") << QString::fromLocal8Bit(script));
    ASSERT_TRUE(attacker.waitForStarted());
    int runs = 0;
    while (attacker.state() == QProcess::Running && runs < 40) {
        const Outcome run = transfer(toFolder(
            2, { TestClips::path(TestClips::Mp4H264Aac), TestClips::path(TestClips::AviAspMp3) }, shared));
        ++runs;
        for (const TransferItem &item : run.items) {
            for (const QString &output : item.outputs)
                EXPECT_FALSE(QFileInfo(output).isSymLink()) << output.toStdString();
        }
    }
    attacker.waitForFinished(10000);
    // The race was run: parts of ours were swapped for links.
    EXPECT_FALSE(
        QDir(shared).entryList({ QStringLiteral("moved-.clip*") }, QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_GT(runs, 1);
    const QStringList left = QDir(victim).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(left.size(), 200);
    for (const QString &name : left)
        EXPECT_EQ(readFile(victim + QLatin1Char('/') + name), QByteArray("keep")) << name.toStdString();
}

TEST_F(TransferEngineTest, LongDvdVideosAreSplitIntoPlayableParts)
{
    // Every frame a key frame, so the cuts fall where the plan puts them. A
    // '%' in the name is no part of ffmpeg's segment pattern.
    const QString source = m_dir.filePath(QStringLiteral("source/100%d clip.avi"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("source")));
    ASSERT_TRUE(TestClips::run(QStringLiteral("ffmpeg"),
        args("-nostdin -v error -i %1 -c:v mpeg4 -vtag DX50 -g 1 -c:a copy %2",
            { TestClips::path(TestClips::AviAspMp3), source })));
    TransferRequest request = toFolder(0, { source }, m_dir.path());
    request.partBytes = QFileInfo(source).size() / 2;
    // Another run sweeps the folder once ffmpeg has written the parts and
    // before they are renamed: they are held, so it takes none of them.
    QTemporaryDir bin;
    const QString written = bin.filePath(QStringLiteral("written"));
    const QString swept = bin.filePath(QStringLiteral("swept"));
    qputenv("KAVO_FFMPEG",
        shellScript(bin.filePath(QStringLiteral("ffmpeg")),
            // Only the split waits: the stream check before it runs as it is.
            QStringLiteral("ffmpeg \"$@\" || exit $?\ncase \"$*\" in *segment*) ;; *) exit 0;; esac\n"
                           "touch '%1'\nfor i in $(seq 600); do [ -e '%2' ] && exit 0; sleep 0.1; done")
                .arg(written, swept)
                .toLocal8Bit())
            .toLocal8Bit());
    int sweptParts = -1;
    const Outcome run = transfer(request, 1, 5000, [&] {
        for (int i = 0; i < 600 && !QFileInfo::exists(written); ++i)
            QThread::msleep(100);
        sweptParts = RunJournal::sweep();
        QFile(swept).open(QIODevice::WriteOnly);
    });
    qunsetenv("KAVO_FFMPEG");
    EXPECT_EQ(sweptParts, 0);
    ASSERT_TRUE(run.allArrived) << run.items[0].error.toStdString();
    EXPECT_EQ(run.items[0].decision.action, TransferAction::Remux);
    const QStringList parts = folderEntries(m_dir.path());
    ASSERT_EQ(parts.size(), run.items[0].size.parts);
    EXPECT_EQ(parts.first(), QStringLiteral("100%d clip - part 1.avi"));
    for (const QString &part : parts) {
        // The plan's margin is for a bit rate that swings; the first part of
        // so short a clip also carries some 40 KB of AVI header room.
        EXPECT_LE(QFileInfo(m_dir.filePath(part)).size(), request.partBytes + 48 * 1024);
        checkPlays(m_dir.filePath(part), 0);
    }
}

TEST_F(TransferEngineTest, DiskFullOnASmallTmpfs)
{
    const QString mountPoint = m_dir.filePath(QStringLiteral("small"));
    QDir().mkpath(mountPoint);
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    // The AVI is copied (and does not fit: it is never begun); the MP4 is
    // converted (and does not fit either, which shows only as it is written).
    const Outcome run = transfer(toFolder(
        0, { TestClips::path(TestClips::AviAspMp3), TestClips::path(TestClips::AspInMkv24) }, mountPoint));
    const QStringList left = folderEntries(mountPoint);
    ::umount(QFile::encodeName(mountPoint).constData());
    ASSERT_EQ(run.items.size(), 2);
    // What is needed and what is free, where the copy's size is known.
    EXPECT_TRUE(run.items[0].error.startsWith(QLatin1String("The destination is full: ")))
        << run.items[0].error.toStdString();
    EXPECT_TRUE(run.items[0].error.endsWith(QLatin1String(" free.")));
    EXPECT_EQ(run.items[1].error, QStringLiteral("the destination is full"));
    EXPECT_EQ(left, QStringList());
    EXPECT_TRUE(std::none_of(run.progress.cbegin(), run.progress.cend(),
        [](const TransferProgress &progress) { return progress.stage == TransferProgress::Copying; }));
}

TEST_F(TransferEngineTest, FatNamesAndCaseCollisionsOnARealFatVolume)
{
    const QString image = m_dir.filePath(QStringLiteral("fat.img"));
    const QString mountPoint = m_dir.filePath(QStringLiteral("fat"));
    QDir().mkpath(mountPoint);
    if (!TestClips::run(QStringLiteral("mkfs.fat"), args("-C %1 8192", { image }))
        || !TestClips::run(QStringLiteral("fusefat"), args("-o rw+ %1 %2", { image, mountPoint })))
        GTEST_SKIP() << "no FAT volume through fusefat here";
    ASSERT_TRUE(TargetNames::isFat32(TargetNames::fileSystemType(mountPoint)));
    ASSERT_TRUE(writeFile(mountPoint + QStringLiteral("/MOVIE_ ONE.mp4")));
    const QStringList sources { m_dir.filePath(QStringLiteral("a/movie: one.mp4")),
        m_dir.filePath(QStringLiteral("b/Movie? One..mp4")) };
    for (const QString &source : sources)
        ASSERT_TRUE(QDir().mkpath(QFileInfo(source).path())
            && QFile::copy(TestClips::path(TestClips::Mp4H264Aac), source));
    const Outcome run = transfer(toFolder(1, sources, mountPoint));
    const QStringList names = folderEntries(mountPoint);
    TestClips::run(QStringLiteral("fusermount"), { QStringLiteral("-u"), mountPoint });
    // What is on the volume, read past the FUSE driver.
    QByteArray listing;
    if (TestClips::run(QStringLiteral("mdir"), args("-b -i %1 ::", { image }), &listing)) {
        // The two videos, the user's own file and the index of what was sent.
        EXPECT_EQ(QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 4)
            << listing.constData();
    }
    EXPECT_TRUE(run.allArrived);
    EXPECT_EQ(names,
        (QStringList { QStringLiteral("MOVIE_ ONE.mp4"), QStringLiteral("Movie_ One (3).mp4"),
            QStringLiteral("movie_ one (2).mp4") }));
}

// What ffprobe cannot see keeps an AVI from going to the DVD player as it is;
// the conversion has none of it.
TEST_F(TransferEngineTest, DvdVideoWithQpelGmcOrLongBRunsIsConverted)
{
    const struct
    {
        const char *name;
        const char *video;
        TransferAction action;
        const char *reason;
    } rows[] = {
        { "plain.avi", "-c:v mpeg4 -bf 1", TransferAction::Copy,
            "AVI with MPEG-4 Part 2 Advanced Simple Profile and MP3 plays as it is" },
        { "two b.avi", "-c:v mpeg4 -bf 2", TransferAction::Transcode, "2 B-frames in a row are more than 1" },
        { "qpel.avi", "-c:v mpeg4 -flags +qpel", TransferAction::Transcode,
            "QPel (quarter-pixel motion) is not played" },
        { "gmc.avi", "-c:v libxvid -gmc 1", TransferAction::Transcode,
            "GMC (global motion compensation) is not played" },
        // The VOL only in the stream header, not before the frames.
        { "apart.avi", "-c:v mpeg4 -bf 2 -flags +global_header", TransferAction::Transcode,
            "2 B-frames in a row are more than 1" },
    };
    QStringList sources;
    for (const auto &row : rows) {
        sources << m_dir.filePath(QLatin1String(row.name));
        ASSERT_TRUE(TestClips::run(QStringLiteral("ffmpeg"),
            args("-nostdin -v error -f lavfi -i testsrc2=size=320x240:rate=25:duration=2 -f lavfi -i "
                 "sine=duration=2")
                + args(row.video) + args("-vtag DX50 -q:v 5 -c:a libmp3lame %1", { sources.last() })));
    }
    const Outcome run = transfer(toFolder(0, sources, m_dir.filePath(QStringLiteral("out"))));
    ASSERT_EQ(run.items.size(), int(std::size(rows)));
    for (int i = 0; i < run.items.size(); ++i) {
        const TransferItem &item = run.items.at(i);
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(item.decision.action, rows[i].action);
        EXPECT_EQ(item.decision.detail, QLatin1String(rows[i].reason));
        // testsrc2's fine moving lines look interlaced to idet: only that may be said.
        EXPECT_TRUE(QStringList(item.decision.notes).filter(QStringLiteral("not checked")).isEmpty());
        ASSERT_EQ(item.outputs.size(), 1) << item.error.toStdString();
        // Read as the engine reads a source.
        QByteArray bytes;
        ASSERT_TRUE(TestClips::run(QStringLiteral("ffmpeg"),
            args("-nostdin -v error -i %1 -map 0:v:0 -c copy -bsf:v dump_extra -f m4v pipe:1",
                { item.outputs.first() }),
            &bytes));
        const Mpeg4Stream stream = Mpeg4Stream::parse(bytes);
        EXPECT_TRUE(stream.hasVol && !stream.qpel && !stream.gmc);
        EXPECT_EQ(stream.longestBRun, 1);
        EXPECT_EQ(stream.vops, 50);
    }
}

// A stream check that fails keeps the probe's word and says what was not
// checked; a cancel stops it and ends the run.
TEST_F(TransferEngineTest, StreamCheckThatFailsOrIsCancelled)
{
    QTemporaryDir bin;
    const QString started = bin.filePath(QStringLiteral("started"));
    const struct
    {
        QByteArray script;
        TransferItem::State state;
        const char *note;
    } rows[] = {
        { "echo 'Invalid data found' >&2; exit 1", TransferItem::Arrived,
            "QPel, GMC and B-frame runs not checked: ffmpeg failed (exit 1): Invalid data found" },
        { "exit 0", TransferItem::Arrived,
            "QPel, GMC and B-frame runs not checked: no VOL header in the stream" },
        { "touch '" + started.toLocal8Bit() + "'; exec sleep 60", TransferItem::Cancelled, nullptr },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.script.constData());
        const QString out = m_dir.filePath(QString::number(&row - rows));
        qputenv("KAVO_FFMPEG", shellScript(bin.filePath(QStringLiteral("ffmpeg")), row.script).toLocal8Bit());
        const Outcome run = transfer(toFolder(0, { TestClips::path(TestClips::AviAspMp3) }, out), 0, 300, {},
            [&] { return QFile::remove(started); });
        qunsetenv("KAVO_FFMPEG");
        ASSERT_EQ(run.items.size(), 1);
        EXPECT_EQ(run.items[0].state, row.state);
        EXPECT_EQ(
            run.items[0].decision.notes, row.note ? QStringList { QLatin1String(row.note) } : QStringList());
        EXPECT_EQ(folderEntries(out), row.note ? QStringList { QStringLiteral("clip.avi") } : QStringList());
    }
}

QStringList isoFiles(const QString &iso, bool joliet)
{
    QByteArray listing;
    TestClips::run(QStringLiteral("xorriso"),
        args(joliet ? "-no_rc -rockridge off -indev %1 -find / -type f" : "-no_rc -indev %1 -find / -type f",
            { iso }),
        &listing);
    QStringList files = QString::fromUtf8(listing).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &file : files)
        file = file.mid(2).chopped(1); // '/name'
    files.sort();
    return files;
}

TEST_F(TransferEngineTest, DiscImageListsBackWithChecksumsAndShortNames)
{
    const QString sources = m_dir.filePath(QStringLiteral("sources"));
    QDir().mkpath(sources);
    const QString longName
        = sources + QLatin1Char('/') + QString(80, QLatin1Char('L')) + QStringLiteral(".mp4");
    ASSERT_TRUE(QFile::copy(TestClips::path(TestClips::Mp4H264Aac), longName));
    const QString out = m_dir.filePath(QStringLiteral("out"));
    const TransferRequest request = toDisc(1,
        { TestClips::path(TestClips::Mp4H264Aac), TestClips::path(TestClips::MkvH264Mp3Srt), longName },
        out + QStringLiteral("/disc.iso"));
    const Outcome run = transfer(request);
    ASSERT_TRUE(run.allArrived) << run.runError.toStdString();
    EXPECT_EQ(folderEntries(out), QStringList { QStringLiteral("disc.iso") }); // no part, no staging folder
    const QStringList expected { QString(60, QLatin1Char('L')) + QStringLiteral(".mp4"),
        QStringLiteral("clip with subtitles.mkv"), QStringLiteral("clip.mp4") };
    EXPECT_EQ(isoFiles(request.isoPath, false), expected);
    EXPECT_EQ(isoFiles(request.isoPath, true), expected);
    EXPECT_TRUE(TestClips::run(QStringLiteral("xorriso"),
        args("-no_rc -md5 on -indev %1 -check_md5_r SORRY / --", { request.isoPath })));
    const QString extracted = m_dir.filePath(QStringLiteral("extracted.mp4"));
    ASSERT_TRUE(TestClips::run(QStringLiteral("xorriso"),
        args("-no_rc -osirrox on -indev %1 -extract /clip.mp4 %2", { request.isoPath, extracted })));
    EXPECT_TRUE(sameBytes(TestClips::path(TestClips::Mp4H264Aac), extracted));
}

TEST_F(TransferEngineTest, DiscThatCannotHoldItIsRefusedBeforeAnyWork)
{
    // A clip with 800 MB of trailing room: ffprobe still reads it, and its size counts.
    const QString big = m_dir.filePath(QStringLiteral("big.mp4"));
    ASSERT_TRUE(QFile::copy(TestClips::path(TestClips::Mp4H264Aac), big));
    ASSERT_TRUE(QFile(big).resize(Q_INT64_C(800) << 20));
    const QString out = m_dir.filePath(QStringLiteral("out"));
    TransferRequest request
        = toDisc(2, { big, TestClips::path(TestClips::AviAspMp3) }, out + QStringLiteral("/disc.iso"));
    const Outcome run = transfer(request);
    EXPECT_FALSE(run.allArrived);
    EXPECT_TRUE(run.runError.contains(QStringLiteral("does not fit on a CD"))) << run.runError.toStdString();
    for (const TransferProgress &progress : run.progress)
        EXPECT_EQ(progress.stage, TransferProgress::Probing);
    EXPECT_EQ(folderEntries(out), QStringList());
    request.disc = DiscSize::Dvd;
    request.dryRun = true;
    EXPECT_TRUE(transfer(request).allArrived); // what a dry run reports: it would all fit
}

} // namespace

// Frames idet finds interlaced and progressive in the first few seconds.
std::pair<int, int> fieldsSeen(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"),
        args("-nostdin -hide_banner -nostats -i %1 -map 0:v:0 -frames:v 100 -vf idet -f null -", { file }));
    process.waitForFinished(60000);
    static const QRegularExpression counts(
        QStringLiteral("Multi frame detection: *TFF: *(\\d+) *BFF: *(\\d+) *Progressive: *(\\d+)"));
    const QRegularExpressionMatch match = counts.match(QString::fromUtf8(process.readAllStandardError()));
    return { match.captured(1).toInt() + match.captured(2).toInt(), match.captured(3).toInt() };
}

// A phone's video: stored lying down, with a display matrix that turns it
// a quarter clockwise.
bool tagTurned(const QString &file)
{
    QFile mp4(file);
    if (!mp4.open(QIODevice::ReadWrite))
        return false;
    const QByteArray bytes = mp4.readAll();
    const qsizetype tkhd = bytes.indexOf("tkhd");
    // Version 0: after the version, times, track, duration and the fields
    // before it, the matrix.
    const qint32 matrix[9] = { 0, 0x10000, 0, -0x10000, 0, 0, 0, 0, 0x40000000 };
    QByteArray big(sizeof matrix, Qt::Uninitialized);
    for (int i = 0; i < 9; ++i)
        qToBigEndian<qint32>(matrix[i], big.data() + 4 * i);
    return tkhd > 0 && mp4.seek(tkhd + 4 + 4 + 4 * 5 + 8 + 8) && mp4.write(big) == big.size();
}

// Interlaced sources arrive progressive, flagged or only seen so; a turned
// one arrives upright and untagged; a progressive one is left alone.
TEST_F(TransferEngineTest, InterlacedAndTurnedVideosArriveAsTheyShouldLook)
{
    const QString weave
        = QStringLiteral("testsrc2=size=720x576:rate=50:duration=2,tinterlace=interleave_top");
    const struct
    {
        const char *name;
        QStringList make;
        int type;
        bool interlacedSource;
        const char *note;
    } rows[] = {
        { "flagged.ts",
            args("-f lavfi -i %1 -c:v mpeg2video -b:v 6M -flags +ilme+ildct -top 1 -an", { weave }), 2, true,
            "interlaced: made progressive" },
        { "unflagged.avi", args("-f lavfi -i %1 -c:v mpeg4 -q:v 3 -an", { weave }), 2, true,
            "interlaced: made progressive" },
        { "flagged dvd.ts",
            args("-f lavfi -i %1 -c:v mpeg2video -b:v 6M -flags +ilme+ildct -top 0 -an",
                { QString(weave).replace(QLatin1String("_top"), QLatin1String("_bottom")) }),
            0, true, "interlaced: made progressive" },
        // testsrc2's fine moving lines look woven to idet; testsrc's do not.
        { "progressive.avi", args("-f lavfi -i testsrc=size=320x240:rate=25:duration=2 -c:v mpeg4 -an"), 2,
            false, nullptr },
        { "turned.mp4",
            args("-f lavfi -i testsrc=size=320x240:rate=25:duration=2 -c:v libx264 -preset veryfast -an"), 2,
            false, nullptr },
    };
    QStringList sources;
    for (const auto &row : rows) {
        sources << m_dir.filePath(QLatin1String(row.name));
        ASSERT_TRUE(TestClips::run(QStringLiteral("ffmpeg"),
            args("-nostdin -v error -y") + row.make + QStringList { sources.last() }));
    }
    ASSERT_TRUE(tagTurned(sources.last()));
    for (int i = 0; i < int(std::size(rows)); ++i)
        EXPECT_EQ(
            fieldsSeen(sources.at(i)).first > fieldsSeen(sources.at(i)).second, rows[i].interlacedSource)
            << rows[i].name;
    const QString out = m_dir.filePath(QStringLiteral("out"));
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const Outcome run = transfer(toFolder(rows[i].type, { sources.at(i) }, out));
        SCOPED_TRACE(rows[i].name);
        ASSERT_EQ(run.items.size(), 1);
        const TransferItem &item = run.items.first();
        ASSERT_EQ(item.outputs.size(), 1) << item.error.toStdString();
        EXPECT_EQ(item.decision.action, TransferAction::Transcode);
        EXPECT_EQ(item.decision.notes.contains(QLatin1String(rows[i].note ? rows[i].note : "-")),
            rows[i].note != nullptr);
        const auto [interlaced, progressive] = fieldsSeen(item.outputs.first());
        EXPECT_LE(interlaced, progressive);
        EXPECT_TRUE(progressive > 0 || !rows[i].interlacedSource);
        checkPlays(item.outputs.first(), rows[i].type);
    }
    MediaProbe turned;
    ASSERT_TRUE(TestClips::probe(out + QStringLiteral("/turned.mp4"), &turned));
    EXPECT_EQ(turned.video.rotation, 0);
    EXPECT_EQ(QSize(turned.video.width, turned.video.height), QSize(240, 320));
}

// The sound tracks an output holds, in order: language, codec, default.
QStringList soundTracks(const QString &file)
{
    QStringList tracks;
    const QJsonDocument probe = QJsonDocument::fromJson(TestClips::probeJson(file));
    for (const QJsonValue &stream : probe[QLatin1String("streams")].toArray()) {
        if (stream[QLatin1String("codec_type")].toString() == QLatin1String("audio"))
            tracks << QStringLiteral("%1 %2%3").arg(
                stream[QLatin1String("tags")][QLatin1String("language")].toString(),
                stream[QLatin1String("codec_name")].toString(),
                stream[QLatin1String("disposition")][QLatin1String("default")].toInt()
                    ? QStringLiteral(" default")
                    : QString());
    }
    return tracks;
}

// The flagged track, else the user's language, else the first, goes first;
// MP4 keeps the others, converted where needed; AVI keeps one and says so.
TEST_F(TransferEngineTest, TheRightSoundTrackGoesFirst)
{
    const auto make = [&](const QString &file, const char *dispositions) {
        return TestClips::run(QStringLiteral("ffmpeg"),
            args("-nostdin -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=2 -f lavfi -i "
                 "sine=duration=2 -f lavfi -i sine=frequency=300:duration=2 -f lavfi -i "
                 "sine=frequency=600:duration=2 -map 0 -map 1 -map 2 -map 3 -c:v libx264 -preset veryfast "
                 "-c:a:0 libmp3lame -c:a:1 ac3 -ac:a:1 6 -c:a:2 aac -metadata:s:a:0 language=eng "
                 "-metadata:s:a:1 language=ger -metadata:s:a:2 language=fre")
                + args(dispositions) + QStringList { file });
    };
    const QString flagged = m_dir.filePath(QStringLiteral("flagged.mkv"));
    const QString unflagged = m_dir.filePath(QStringLiteral("unflagged.mkv"));
    ASSERT_TRUE(make(flagged, "-disposition:a:0 0 -disposition:a:1 default -disposition:a:2 0"));
    ASSERT_TRUE(make(unflagged, "-disposition:a:0 0 -disposition:a:1 0 -disposition:a:2 0"));
    const struct
    {
        QString source;
        int type;
        const char *language;
        const char *tracks;
        const char *note;
    } rows[] = {
        { flagged, 3, "fr", "ger aac default|eng aac|fre aac", "sound: German first" },
        { unflagged, 3, "fra", "fre aac default|eng aac|ger aac", "sound: French first" },
        { unflagged, 3, "", "eng aac default|ger aac|fre aac", "sound: English first" },
        { flagged, 0, "", " ac3", "left out, as AVI holds one sound track: English, French" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << (&row - rows));
        TransferRequest request
            = toFolder(row.type, { row.source }, m_dir.filePath(QString::number(&row - rows)));
        request.audioLanguage = QLatin1String(row.language);
        const Outcome run = transfer(request);
        ASSERT_EQ(run.items.size(), 1);
        ASSERT_EQ(run.items[0].outputs.size(), 1) << run.items[0].error.toStdString();
        EXPECT_EQ(soundTracks(run.items[0].outputs[0]).join(QLatin1Char('|')), QLatin1String(row.tracks));
        EXPECT_TRUE(run.items[0].decision.notes.contains(QLatin1String(row.note)))
            << run.items[0].decision.notes.join(QLatin1Char('|')).toStdString();
        checkPlays(run.items[0].outputs[0], row.type);
    }
}

// An MP4 cut in half still arrives, copied or converted, and says how much
// of it could be read.
TEST_F(TransferEngineTest, DamagedSourceArrivesAndSaysSo)
{
    const QString whole = m_dir.filePath(QStringLiteral("whole.mp4"));
    ASSERT_TRUE(TestClips::run(QStringLiteral("ffmpeg"),
        args("-nostdin -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=6 -c:v libx264 -preset "
             "veryfast -g 25 -movflags +faststart %1",
            { whole })));
    const QByteArray bytes = readFile(whole);
    const QString cut = m_dir.filePath(QStringLiteral("cut.mp4"));
    ASSERT_TRUE(writeFile(cut, bytes.left(bytes.size() / 2)));
    for (const int type : { 2, 0 }) {
        const Outcome run = transfer(toFolder(type, { cut, whole }, m_dir.filePath(QString::number(type))));
        ASSERT_EQ(run.items.size(), 2);
        EXPECT_TRUE(run.allArrived);
        // About half, as far as whole frames go.
        const QString damage = run.items[0].decision.damage;
        EXPECT_TRUE(damage == QLatin1String("the source is damaged: 2 s of 6 s could be read")
            || damage == QLatin1String("the source is damaged: 3 s of 6 s could be read"))
            << type << damage.toStdString();
        EXPECT_EQ(run.items[1].decision.damage, QString());
    }
}

// What a destination holds from an earlier run is left as it is; sent again,
// for another device, or found changed, it goes under the next free name. An
// index that is damaged or a link means nothing is known, and the sweep
// leaves it alone.
TEST_F(TransferEngineTest, FilesSentTwiceAreLeftAsTheyAre)
{
    const QString out = m_dir.filePath(QStringLiteral("out"));
    const QString index = out + QStringLiteral("/.kavo-sent");
    const QStringList sources { TestClips::path(TestClips::Mp4H264Aac),
        TestClips::path(TestClips::AviAspMp3) };
    const struct
    {
        const char *name;
        int type;
        bool again;
        std::function<void()> before;
        const char *states; // A arrived, T already there
        const char *outputs;
    } rows[] = {
        { "first", 2, false, {}, "AA", "clip.mp4|clip (2).mp4" },
        { "second", 2, false, {}, "TT", "clip.mp4|clip (2).mp4" },
        { "again", 2, true, {}, "AA", "clip (3).mp4|clip (4).mp4" },
        { "other device", 3, false, {}, "AA", "clip (5).mp4|clip (6).mp4" },
        { "third", 2, false, {}, "TT", "clip (3).mp4|clip (4).mp4" },
        { "changed", 2, false, [&] { writeFile(out + QStringLiteral("/clip (4).mp4"), "another file"); },
            "TA", "clip (3).mp4|clip (7).mp4" },
        { "damaged", 2, false, [&] { writeFile(index, "kavo-sent 2\n2 x\n"); }, "AA",
            "clip (8).mp4|clip (9).mp4" },
        { "a link", 2, false,
            [&] {
                writeFile(m_dir.filePath(QStringLiteral("elsewhere")), "kept");
                QFile::remove(index);
                QFile::link(m_dir.filePath(QStringLiteral("elsewhere")), index);
            },
            "AA", "clip (10).mp4|clip (11).mp4" },
        { "swept", 2, false, [] { RunJournal::sweep(); }, "TT", "clip (10).mp4|clip (11).mp4" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.before)
            row.before();
        TransferRequest request = toFolder(row.type, sources, out);
        request.sendAgain = row.again;
        const QStringList before = folderEntries(out);
        const Outcome run = transfer(request);
        EXPECT_TRUE(run.allArrived);
        QString states;
        QStringList outputs;
        for (const TransferItem &item : run.items) {
            states += item.state == TransferItem::Arrived  ? QLatin1Char('A')
                : item.state == TransferItem::AlreadyThere ? QLatin1Char('T')
                                                           : QLatin1Char('?');
            ASSERT_EQ(item.outputs.size(), 1) << item.error.toStdString();
            outputs += fileNames(item.outputs);
            EXPECT_TRUE(item.state != TransferItem::AlreadyThere
                || item.decision.notes.contains(QStringLiteral("already on the device")));
        }
        EXPECT_EQ(states, QLatin1String(row.states));
        EXPECT_EQ(outputs.join(QLatin1Char('|')), QLatin1String(row.outputs));
        if (QLatin1String(row.states) == QLatin1String("TT")) {
            EXPECT_EQ(folderEntries(out), before);
        }
        EXPECT_EQ(folderEntries(out).filter(QStringLiteral(".kavo-part")), QStringList());
    }
    EXPECT_FALSE(QFileInfo(index).isSymLink());
    EXPECT_EQ(readFile(m_dir.filePath(QStringLiteral("elsewhere"))), QByteArray("kept"));
}

// A name that is not UTF-8 is still its file: read by descriptor, it
// arrives under a name that is valid text.
TEST_F(TransferEngineTest, NamesThatAreNotUtf8Arrive)
{
    const QByteArray local = QFile::encodeName(m_dir.path()) + "/caf\xe9 \xff.avi";
    const QByteArray bytes = readFile(TestClips::path(TestClips::AviAspMp3));
    ASSERT_FALSE(bytes.isEmpty());
    const int fd = ::open(local.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
    ::close(fd);
    const QString source = LocalName::decode(local);
    const struct
    {
        int type;
        const char *name;
    } rows[] = { { 2, "caf\xef\xbf\xbd \xef\xbf\xbd.mp4" }, { 0, "caf_ _.avi" },
        { 3, "caf\xef\xbf\xbd \xef\xbf\xbd.mp4" } };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.type);
        const QString out = m_dir.filePath(QString::number(row.type));
        const Outcome run = transfer(toFolder(row.type, { source }, out));
        ASSERT_EQ(run.items.size(), 1);
        ASSERT_EQ(run.items[0].outputs.size(), 1) << run.items[0].error.toStdString();
        EXPECT_EQ(run.items[0].outputs[0], out + QLatin1Char('/') + QString::fromUtf8(row.name));
        checkPlays(run.items[0].outputs[0], row.type);
    }
    // QTemporaryDir cannot name it.
    EXPECT_EQ(::unlink(local.constData()), 0);
}

// A DVD player's AVI gets the chosen text track beside it as NAME.srt, under
// the same base name even when only the .srt's name is taken.
TEST_F(TransferEngineTest, SubtitlesBesideTheDvdPlayersVideo)
{
    QStringList srts;
    for (const char *text : { "Hallo", "Hello" }) {
        srts << m_dir.filePath(QLatin1String(text) + QStringLiteral(".srt"));
        ASSERT_TRUE(writeFile(srts.last(), QByteArray("1\n00:00:00,500 --> 00:00:01,500\n") + text + "\n\n"));
    }
    const QString source = m_dir.filePath(QStringLiteral("film.mkv"));
    ASSERT_TRUE(TestClips::run(QStringLiteral("ffmpeg"),
        args("-nostdin -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=2 -i %1 -i %2 -map 0 "
             "-map 1 "
             "-map 2 -c:v libx264 -preset veryfast -c:s srt -metadata:s:s:0 language=ger -metadata:s:s:1 "
             "language=eng -disposition:s:0 0 -disposition:s:1 0 %3",
            { srts[0], srts[1], source })));
    const struct
    {
        const char *language;
        const char *taken;
        const char *outputs;
        const char *text;
    } rows[] = {
        { "", nullptr, "film.avi film.srt", "Hallo" },
        { "en", "film.srt", "film (2).avi film (2).srt", "Hello" },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.language);
        const QString out = m_dir.filePath(QLatin1String("out") + QLatin1String(row.language));
        QDir().mkpath(out);
        if (row.taken) {
            ASSERT_TRUE(writeFile(out + QLatin1Char('/') + QLatin1String(row.taken)));
        }
        TransferRequest request = toFolder(0, { source }, out);
        request.subtitleLanguage = QLatin1String(row.language);
        const Outcome run = transfer(request);
        ASSERT_EQ(run.items.size(), 1);
        const TransferItem &item = run.items[0];
        ASSERT_EQ(item.state, TransferItem::Arrived) << item.error.toStdString();
        EXPECT_EQ(fileNames(item.outputs).join(QLatin1Char(' ')), QLatin1String(row.outputs));
        ASSERT_EQ(item.outputs.size(), 2);
        checkPlays(item.outputs[0], 0);
        const QJsonDocument probe = QJsonDocument::fromJson(TestClips::probeJson(item.outputs[1]));
        EXPECT_EQ(
            probe[QLatin1String("format")][QLatin1String("format_name")].toString(), QStringLiteral("srt"));
        EXPECT_TRUE(readFile(item.outputs[1]).contains(row.text));
        EXPECT_EQ(folderEntries(out).filter(QStringLiteral(".kavo-part")), QStringList());
    }
}
