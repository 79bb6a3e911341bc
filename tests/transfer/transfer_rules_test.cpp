// The engine's pure parts: profiles, decisions, arguments, the progress
// parser, names and sizes.
#include "tests/transfer/testclips.h"
#include "transfer/imageprogressparser.h"
#include "transfer/localname.h"
#include "transfer/mpeg4stream.h"
#include "transfer/partfile.h"
#include "transfer/progressparser.h"
#include "transfer/sentindex.h"
#include "transfer/sizeplan.h"
#include "transfer/targetnames.h"
#include "transfer/toolrun.h"
#include "transfer/transferarguments.h"
#include "transfer/transferdecision.h"
#include "transfer/transferengine.h"
#include "transfer/transferprogress.h"

#include <QCoreApplication>
#include <QSize>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstring>

using namespace Zarnet;

namespace {

static_assert(deviceProfile(0)->type == 0 && deviceProfile(1)->type == 1 && deviceProfile(2)->type == 2
        && deviceProfile(3)->type == 3 && !deviceProfile(4),
    "each row sits at its type's index");

// Sources the generated clips do not cover, as ffprobe would describe them.
QByteArray probeJson(const char *format, const char *video, const char *audio, const char *extra = "")
{
    return QStringLiteral("{\"format\":{\"format_name\":\"%1\",\"duration\":\"60.0\",\"size\":\"1000000\","
                          "\"bit_rate\":\"4000000\"},\"streams\":[{\"codec_type\":\"video\",%2},"
                          "{\"codec_type\":\"audio\",%3}%4]}")
        .arg(QLatin1String(format), QLatin1String(video), QLatin1String(audio), QLatin1String(extra))
        .toUtf8();
}

const char H264Hd[]
    = "\"codec_name\":\"h264\",\"profile\":\"High\",\"level\":40,\"width\":1920,\"height\":1080,"
      "\"pix_fmt\":\"yuv420p\",\"avg_frame_rate\":\"%1\",\"bit_rate\":\"8000000\"";
const char Aac[] = "\"codec_name\":\"aac\",\"profile\":\"LC\",\"channels\":2";
const QByteArray Hd25 = QString::fromLatin1(H264Hd).arg(QStringLiteral("25/1")).toLatin1();

MediaProbe parsed(const QByteArray &json)
{
    MediaProbe probe;
    QString error;
    EXPECT_TRUE(MediaProbe::fromJson(json, &probe, &error)) << error.toStdString() << json.constData();
    return probe;
}

// The generated clips against every profile, then the limits each reason names.
TEST(TransferDecision, ActionAndReasonForEachSourceAndProfile)
{
    ASSERT_FALSE(TestClips::folder().isEmpty()) << "ffmpeg could not make the test clips";
    const QByteArray mp4 = TestClips::probeJson(TestClips::path(TestClips::Mp4H264Aac));
    const QByteArray mkv = TestClips::probeJson(TestClips::path(TestClips::MkvH264Mp3Srt));
    const QByteArray avi = TestClips::probeJson(TestClips::path(TestClips::AviAspMp3));
    const char notAsp[] = "H.264 High@1.1 video is not MPEG-4 ASP";
    const char mp4Plays[] = "MP4 with H.264 High@1.1 and AAC plays as it is";
    const char mp3Kept[] = "MP3 audio is not AAC: audio re-encoded; the video is kept";
    const char notH264[] = "MPEG-4 Part 2 Advanced Simple Profile video is not H.264";
    const QByteArray hd60 = QString::fromLatin1(H264Hd).arg(QStringLiteral("60/1")).toLatin1();
    const QByteArray level41 = QByteArray(Hd25).replace("\"level\":40", "\"level\":41");
    const char ac3[] = "\"codec_name\":\"ac3\",\"channels\":6";
    struct Row
    {
        QByteArray json;
        int type;
        TransferAction action;
        const char *reason;
    };
    const Row rows[] = {
        { mp4, 0, TransferAction::Transcode, notAsp },
        { mp4, 1, TransferAction::Copy, mp4Plays },
        { mp4, 2, TransferAction::Copy, mp4Plays },
        { mp4, 3, TransferAction::Copy, mp4Plays },
        { mkv, 0, TransferAction::Transcode, notAsp },
        { mkv, 1, TransferAction::Remux, mp3Kept },
        { mkv, 2, TransferAction::Remux, mp3Kept },
        { mkv, 3, TransferAction::Remux,
            "Matroska is not played; MP3 audio is not AAC: audio re-encoded; the video is kept" },
        { avi, 0, TransferAction::Copy,
            "AVI with MPEG-4 Part 2 Advanced Simple Profile and MP3 plays as it is" },
        { avi, 1, TransferAction::Transcode, notH264 },
        { avi, 2, TransferAction::Transcode, notH264 },
        { avi, 3, TransferAction::Transcode, notH264 },
        { probeJson("mov,mp4", hd60, Aac), 1, TransferAction::Transcode,
            "1920\u00d71080 at 60 fps is over 1920\u00d71080 at 30 fps and 1280\u00d7720 at 60 fps" },
        { probeJson("mov,mp4", level41, Aac), 3, TransferAction::Transcode, "H.264 level 4.1 is over 4.0" },
        { probeJson("mov,mp4", level41, Aac), 2, TransferAction::Copy,
            "MP4 with H.264 High@4.1 and AAC plays as it is" },
        { probeJson("mov,mp4", Hd25, ac3), 1, TransferAction::Copy,
            "MP4 with H.264 High@4.0 and AC-3 plays as it is" },
        { probeJson("mov,mp4", Hd25, ac3), 3, TransferAction::Remux,
            "AC-3 audio is not AAC: audio re-encoded; the video is kept" },
        { probeJson("mov,mp4", Hd25, "\"codec_name\":\"aac\",\"profile\":\"LC\",\"channels\":6"), 2,
            TransferAction::Remux, "6 channels are more than stereo: audio re-encoded; the video is kept" },
        { probeJson("mpegts", Hd25, Aac), 2, TransferAction::Copy,
            "MPEG-TS with H.264 High@4.0 and AAC plays as it is" },
        { probeJson("avi", Hd25, Aac), 2, TransferAction::Remux, "AVI is not played; the video is kept" },
        { probeJson("avi",
              "\"codec_name\":\"mpeg4\",\"profile\":\"Advanced Simple Profile\",\"width\":640,\"height\":480,"
              "\"pix_fmt\":\"yuv420p\",\"avg_frame_rate\":\"25/1\",\"codec_tag_string\":\"XVID\","
              "\"bit_rate\":\"1500000\"",
              "\"codec_name\":\"mp3\",\"channels\":2"),
            0, TransferAction::Remux, "FourCC XVID is not DX50; the video is kept" },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        const TransferDecision decision = decide(parsed(row.json), *deviceProfile(row.type));
        EXPECT_EQ(decision.action, row.action);
        EXPECT_EQ(decision.detail, QString::fromUtf8(row.reason));
    }
}

// The sentence a person reads, for each kind of reason.
TEST(TransferDecision, ReasonsReadAsSentences)
{
    const QByteArray mpeg2
        = QByteArray(Hd25).replace("\"codec_name\":\"h264\"", "\"codec_name\":\"mpeg2video\"");
    const QByteArray hi10 = QByteArray(Hd25).replace("yuv420p", "yuv420p10le");
    const QByteArray xvid = "\"codec_name\":\"mpeg4\",\"profile\":\"Advanced Simple Profile\",\"width\":640,"
                            "\"height\":480,\"pix_fmt\":\"yuv420p\",\"avg_frame_rate\":\"25/1\","
                            "\"codec_tag_string\":\"XVID\",\"bit_rate\":\"1500000\"";
    const char mp3[] = "\"codec_name\":\"mp3\",\"channels\":2";
    const struct
    {
        QByteArray json;
        int type;
        const char *reason;
    } rows[] = {
        { probeJson("mpegts", mpeg2, Aac), 2, "This TV does not play MPEG-2 video: converting it to H.264." },
        { probeJson("mov,mp4", Hd25, Aac), 0,
            "This DVD Player does not play H.264 video: converting it to MPEG-4 (DivX)." },
        { probeJson("mov,mp4", hi10, Aac), 2,
            "This TV does not play this kind of colour (10-bit, or finer than 4:2:0): converting the video "
            "to "
            "plain H.264." },
        { probeJson("mov,mp4", Hd25, Aac), 2, "This TV plays it as it is: copying it unchanged." },
        { probeJson("mov,mp4", Hd25, mp3), 2,
            "This TV does not play MP3 sound: converting the sound to AAC. The picture stays as it is." },
        { probeJson("avi", xvid, mp3), 0,
            "This DVD Player looks for videos tagged as DivX: tagging it so, unchanged." },
        { probeJson("avi", Hd25, Aac), 3,
            "This PlayStation\u00ae3 does not play AVI files: putting the video, unchanged, into MP4." },
    };
    for (const auto &row : rows) {
        EXPECT_EQ(decide(parsed(row.json), *deviceProfile(row.type)).reason, QString::fromUtf8(row.reason));
    }
}

// A turned picture is measured upright, and never goes as it is; idet's
// summary says whether pictures are woven from fields.
TEST(TransferDecision, TurnedAndInterlacedPictures)
{
    const struct
    {
        const char *extra;
        int rotation;
        TransferAction action;
    } turns[] = {
        { "", 0, TransferAction::Copy },
        { ",\"side_data_list\":[{\"rotation\":-90}]", 90, TransferAction::Transcode },
        { ",\"side_data_list\":[{\"rotation\":180}]", 180, TransferAction::Transcode },
        { ",\"tags\":{\"rotate\":\"270\"}", 270, TransferAction::Transcode },
    };
    for (const auto &row : turns) {
        const MediaProbe probe = parsed(probeJson("mov,mp4", QByteArray(Hd25 + row.extra).constData(), Aac));
        EXPECT_EQ(probe.video.rotation, row.rotation) << row.extra;
        EXPECT_EQ(probe.video.width, row.rotation % 180 ? 1080 : 1920);
        EXPECT_EQ(decide(probe, *deviceProfile(2)).action, row.action);
    }
    const std::pair<const char *, const char *> summaries[] = {
        { "[Parsed_idet_0 @ 0x1] Multi frame detection: TFF:    50 BFF:     0 Progressive:     0 "
          "Undetermined: 0",
            "tt" },
        { "Multi frame detection: TFF: 1 BFF: 40 Progressive: 9 Undetermined: 0", "bb" },
        { "Multi frame detection: TFF: 3 BFF: 0 Progressive: 47 Undetermined: 0", "progressive" },
        { "Conversion failed!", "" },
    };
    for (const auto &[log, order] : summaries)
        EXPECT_EQ(TransferEngine::fieldOrderSeen(QLatin1String(log)), QLatin1String(order));
    // Pictures are looked at only where fields can be and the stream is silent.
    const struct
    {
        const char *video;
        bool looked;
    } checks[] = {
        { "\"codec_name\":\"mpeg4\",\"width\":720,\"height\":576", true },
        { "\"codec_name\":\"mpeg2video\",\"width\":1920,\"height\":1080", true },
        { "\"codec_name\":\"mpeg2video\",\"width\":1920,\"height\":1080,\"field_order\":\"tt\"", false },
        { "\"codec_name\":\"mpeg4\",\"width\":640,\"height\":360", false },
        { "\"codec_name\":\"vp9\",\"width\":1920,\"height\":1080", false },
        { "\"codec_name\":\"mpeg1video\",\"width\":720,\"height\":576", false },
    };
    for (const auto &row : checks) {
        const MediaProbe probe = parsed(probeJson("avi", row.video, Aac));
        EXPECT_EQ(wantsFieldCheck(probe, decide(probe, *deviceProfile(2))), row.looked) << row.video;
    }
}

TEST(TransferDecision, SubtitlesGoWhereTheContainerCarriesThem)
{
    const MediaProbe probe = parsed(probeJson("matroska,webm", Hd25, "\"codec_name\":\"mp3\",\"channels\":2",
        ",{\"codec_type\":\"subtitle\",\"codec_name\":\"hdmv_pgs_subtitle\"},"
        "{\"codec_type\":\"subtitle\",\"codec_name\":\"subrip\"}"));
    const TransferDecision ps3 = decide(probe, *deviceProfile(3)); // into MP4
    EXPECT_EQ(ps3.subtitles, QVector<int> { 1 });
    EXPECT_EQ(ps3.subtitleCodec, QStringLiteral("mov_text"));
    EXPECT_EQ(ps3.notes,
        QStringList { QStringLiteral("image subtitles left out: not burned in, MP4 cannot carry them") });
    const TransferDecision tv = decide(probe, *deviceProfile(2)); // stays Matroska
    EXPECT_EQ(tv.subtitles, (QVector<int> { 0, 1 }));
    EXPECT_EQ(tv.notes, QStringList { QStringLiteral("image subtitles carried as they are: not burned in") });
    const TransferDecision dvd = decide(probe, *deviceProfile(0)); // into AVI, the text beside it
    EXPECT_TRUE(dvd.subtitles.isEmpty());
    EXPECT_EQ(dvd.sidecarSubtitle, 1);
    EXPECT_EQ(dvd.notes,
        (QStringList { QStringLiteral("subtitles (track 2) written beside it as a .srt file"),
            QStringLiteral("image subtitles left out: they are not text, and not burned in") }));
}

// The text track beside a DVD player's video: the one flagged default, else
// the user's language, else the first; image tracks never.
TEST(TransferDecision, SubtitleTrackChosenLikeTheSound)
{
    const auto track = [](const char *codec, const char *language, bool flagged) {
        return QStringLiteral(
            ",{\"codec_type\":\"subtitle\",\"codec_name\":\"%1\",\"tags\":{\"language\":\"%2\"},"
            "\"disposition\":{\"default\":%3}}")
            .arg(QLatin1String(codec), QLatin1String(language),
                flagged ? QStringLiteral("1") : QStringLiteral("0"));
    };
    const struct
    {
        QString tracks;
        const char *language;
        int chosen;
    } rows[] = {
        { track("subrip", "eng", false) + track("ass", "ger", true), "fr", 1 },
        { track("subrip", "eng", false) + track("ass", "ger", false), "de", 1 },
        { track("subrip", "eng", false) + track("ass", "ger", false), "", 0 },
        { track("dvd_subtitle", "eng", true) + track("subrip", "ger", false), "en", 1 },
        { track("hdmv_pgs_subtitle", "eng", false), "en", -1 },
    };
    for (const auto &row : rows) {
        const MediaProbe probe
            = parsed(probeJson("matroska,webm", Hd25.constData(), Aac, row.tracks.toUtf8().constData()));
        EXPECT_EQ(chooseTextSubtitle(probe, QLatin1String(row.language)), row.chosen)
            << row.tracks.toStdString();
    }
}

TEST(TransferDecision, NotAVideo)
{
    MediaProbe probe;
    QString error;
    EXPECT_FALSE(MediaProbe::fromJson(
        "{\"streams\":[{\"codec_type\":\"audio\",\"codec_name\":\"mp3\"}],\"format\":{}}", &probe, &error));
    EXPECT_EQ(error, QStringLiteral("not a video: no picture stream"));
    EXPECT_FALSE(MediaProbe::fromJson("garbage", &probe, &error));
    // A playlist is a list of other files, whatever its streams.
    EXPECT_FALSE(MediaProbe::fromJson("{\"streams\":[{\"codec_type\":\"video\",\"codec_name\":\"h264\"}],"
                                      "\"format\":{\"format_name\":\"hls\"}}",
        &probe, &error));
    EXPECT_EQ(error, QStringLiteral("not a video: a list of other files (hls)"));
}

TEST(TransferArguments, AnamorphicTranscodeSquaresFirstAndAviGetsTheRate)
{
    MediaProbe probe;
    ASSERT_TRUE(TestClips::probe(TestClips::path(TestClips::Anamorphic), &probe));
    const TransferDecision decision = decide(probe, *deviceProfile(0));
    const QStringList args = transferArguments(decision, { QStringLiteral("in"), QStringLiteral("out") });
    const QString filter = args.at(args.indexOf(QStringLiteral("-vf")) + 1);
    EXPECT_TRUE(filter.startsWith(QStringLiteral("scale=trunc(iw*sar/2)*2:ih,setsar=1,scale=")))
        << filter.toStdString();
    EXPECT_EQ(args.at(args.indexOf(QStringLiteral("-r")) + 1), QStringLiteral("25/1"));
    EXPECT_EQ(args.at(args.indexOf(QStringLiteral("-vtag")) + 1), QStringLiteral("DX50"));
    EXPECT_FALSE(args.join(QLatin1Char(' ')).contains(QStringLiteral("faststart")));
    // Both ends are local files and nothing else, whatever their names look like.
    EXPECT_EQ(args.last(), QStringLiteral("file:out"));
    EXPECT_EQ(
        args.mid(args.indexOf(QStringLiteral("-i")) - 2, 4), ::args("-protocol_whitelist file -i file:in"));
}

// A VOL written field by field, and VOPs after it: layouts the encoders at
// hand do not write.
struct HandVol
{
    int objectVerid; // the visual object's, taken when the VOL names none
    int volVerid; // 0: none named
    bool widePar;
    bool vbv;
    int sprite;
    bool matrices;
    bool qpel;
};

QByteArray handMade(const HandVol &vol, const char *vops)
{
    QByteArray out;
    int used = 8;
    const auto put = [&](quint32 value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            if (used == 8)
                out.append('\0'), used = 0;
            out.back() = char(out.back() | (((value >> i) & 1) << (7 - used++)));
        }
    };
    const auto startCode = [&](quint32 code) {
        put(0x7F >> (used % 8), 8 - used % 8); // stuffing: a zero, then ones
        put(0x100 | code, 32);
    };
    const int verid = vol.volVerid ? vol.volVerid : vol.objectVerid;
    startCode(0xB5);
    put(1, 1), put(vol.objectVerid, 4), put(1, 3), put(1, 4);
    startCode(0x20);
    put(0x11, 9), put(vol.volVerid != 0, 1); // ASP
    if (vol.volVerid)
        put(vol.volVerid, 4), put(1, 3);
    put(vol.widePar ? 15 : 1, 4), put(vol.widePar ? 0x0B0A : 0, vol.widePar ? 16 : 0);
    put(vol.vbv, 1);
    if (vol.vbv)
        put(2, 3), put(1, 1), put(0x7FFFFFFF, 31), put(0x7FFFFFFF, 31), put(0x1FFFF, 17);
    put(0, 2), put(1, 1), put(25, 16), put(1, 1), put(1, 1), put(1, 5); // 25 Hz, fixed rate
    put(1, 1), put(352, 13), put(1, 1), put(288, 13), put(1, 1), put(0, 2);
    put(vol.sprite, verid == 1 ? 1 : 2);
    if (vol.sprite) // a static sprite's size and place, then the warping
        put(0x7FFFFFF, vol.sprite == 1 ? 28 : 0), put(0x7FFFFFF, vol.sprite == 1 ? 28 : 0), put(3, 6),
            put(0, vol.sprite == 1 ? 4 : 3);
    put(0, 1), put(vol.matrices, 1);
    if (vol.matrices) {
        put(1, 1), put(8, 8), put(16, 8), put(0, 8), put(1, 1); // the first ends early
        for (int i = 0; i < 64; ++i)
            put(16 + i, 8);
    }
    put(vol.qpel, verid == 1 ? 0 : 1), put(0x3F, 6); // then fields past what is read
    for (const char *vop = vops; *vop; ++vop) {
        startCode(0xB6);
        // I P B S by letter; N is a P that is not coded.
        const char *types = "IPBS";
        put(*vop == 'N' ? 1 : int(std::strchr(types, *vop) - types), 2);
        put(0, 1), put(1, 1), put(3, 5), put(1, 1), put(*vop != 'N', 1), put(0x5A5A, 16);
    }
    return out;
}

QByteArray encoded(const char *codec)
{
    QByteArray bytes;
    EXPECT_TRUE(TestClips::run(QStringLiteral("ffmpeg"),
        QStringLiteral(
            "-nostdin -v error -f lavfi -i testsrc2=size=320x240:rate=25:duration=2 %1 -f m4v pipe:1")
            .arg(QLatin1String(codec))
            .split(QLatin1Char(' ')),
        &bytes));
    return bytes;
}

TEST(Mpeg4Stream, EncodedAndHandMadeLayouts)
{
    struct Row
    {
        const char *name;
        QByteArray bytes;
        bool hasVol;
        QSize size;
        bool qpel;
        bool gmc;
        int bRun;
        int vops;
    };
    const QSize cif(352, 288);
    const Row rows[] = {
        { "one B", encoded("-c:v mpeg4 -bf 1"), true, { 320, 240 }, false, false, 1, 50 },
        { "two B", encoded("-c:v mpeg4 -bf 2"), true, { 320, 240 }, false, false, 2, 50 },
        { "qpel", encoded("-c:v mpeg4 -flags +qpel"), true, { 320, 240 }, true, false, 0, 50 },
        { "gmc", encoded("-c:v libxvid -gmc 1"), true, { 320, 240 }, false, true, 0, 50 },
        { "verid 1 from the object", handMade({ 1, 0, false, false, 0, false, false }, "IPBBP"), true, cif,
            false, false, 2, 5 },
        { "static sprite and QPel", handMade({ 1, 2, false, false, 1, false, true }, "IP"), true, cif, true,
            true, 0, 2 },
        { "verid 2, wide pixels, vbv, matrices", handMade({ 1, 2, true, true, 0, true, true }, "IBNBBP"),
            true, cif, true, false, 3, 5 },
        { "GMC in the VOL", handMade({ 5, 2, false, true, 2, true, false }, "IPB"), true, cif, false, true, 1,
            3 },
        { "S-VOPs only", handMade({ 1, 2, false, false, 0, false, false }, "ISSP"), true, cif, false, true, 0,
            4 },
        { "joined after the VOL", handMade({ 1, 0, false, false, 0, false, false }, "IPBBBP").mid(14), false,
            { 0, 0 }, false, false, 3, 6 },
        { "cut in the VOL", handMade({ 1, 2, true, true, 0, true, true }, "").left(20), false, { 0, 0 },
            false, false, 0, 0 },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const Mpeg4Stream stream = Mpeg4Stream::parse(row.bytes);
        EXPECT_EQ(stream.hasVol, row.hasVol);
        EXPECT_EQ(stream.width, row.size.width());
        EXPECT_EQ(stream.height, row.size.height());
        EXPECT_EQ(stream.qpel, row.qpel);
        EXPECT_EQ(stream.gmc, row.gmc);
        EXPECT_EQ(stream.longestBRun, row.bRun);
        EXPECT_EQ(stream.vops, row.vops);
    }
}

// Recorded from ffmpeg 5.1, with the line ends a pipe may mix.
const QByteArray Recorded = "frame=1\nfps=0.00\nbitrate=   8.3kbits/s\ntotal_size=48\nout_time_us=46440\n"
                            "out_time=00:00:00.046440\nspeed=12.8x\nprogress=continue\r\n"
                            "frame=50\rtotal_size=48465\r\nout_time_us=N/A\nout_time_us=2020136\n"
                            "speed=31.3x\nprogress=end\n";

TEST(ProgressParser, SameBlocksWhereverTheOutputIsCut)
{
    ProgressParser whole;
    const QVector<ProgressBlock> expected = whole.feed(Recorded);
    ASSERT_EQ(expected.size(), 2);
    EXPECT_EQ(expected.at(0).outTimeUs, 46440);
    EXPECT_FALSE(expected.at(0).end);
    EXPECT_EQ(expected.at(1).outTimeUs, 2020136);
    EXPECT_EQ(expected.at(1).totalSize, 48465);
    EXPECT_DOUBLE_EQ(expected.at(1).speed, 31.3);
    EXPECT_TRUE(expected.at(1).end);
    const auto same = [](const QVector<ProgressBlock> &a, const QVector<ProgressBlock> &b) {
        return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](const auto &x, const auto &y) {
            return x.outTimeUs == y.outTimeUs && x.totalSize == y.totalSize && x.end == y.end;
        });
    };
    for (int cut = 0; cut <= Recorded.size(); ++cut) {
        ProgressParser parser;
        QVector<ProgressBlock> blocks = parser.feed(Recorded.left(cut));
        blocks += parser.feed(Recorded.mid(cut));
        EXPECT_TRUE(same(blocks, expected)) << "cut at " << cut;
    }
    ProgressParser byteByByte;
    QVector<ProgressBlock> blocks;
    for (char c : Recorded)
        blocks += byteByByte.feed(QByteArray(1, c));
    EXPECT_TRUE(same(blocks, expected));
}

// xorriso's own lines, one of them cut inside its number by the pipe.
TEST(ImageProgressParser, LastWholeLineWhereverTheOutputIsCut)
{
    const QByteArray recorded = "xorriso : UPDATE :  12.50% done\nxorriso : UPDATE :  13 files added\r"
                                "xorriso : UPDATE :  87.25% done, estimate finish\n";
    for (int cut = 0; cut <= recorded.size(); ++cut) {
        ImageProgressParser parser;
        const double first = parser.feed(recorded.left(cut));
        const double second = parser.feed(recorded.mid(cut));
        EXPECT_DOUBLE_EQ(second >= 0 ? second : first, 0.8725) << "cut at " << cut;
        if (cut > 0 && cut < recorded.indexOf('\n')) {
            EXPECT_LT(first, 0) << "a half line read as progress, cut at " << cut;
        }
    }
    EXPECT_LT(ImageProgressParser().feed("12.5% done"), 0);
}

TEST(TargetNames, RulesForFatAsciiAndJoliet)
{
    struct Row
    {
        const char *name;
        TargetNames::Rules rules;
        const char *expected;
    };
    const TargetNames::Rules fat { true, false, 255, false };
    const TargetNames::Rules dvd { true, true, 64, false };
    const TargetNames::Rules joliet { false, false, 64, true };
    const TargetNames::Rules plain {};
    const Row rows[] = {
        { "a\\b/c:d*e?f\"g<h>i|j.mp4", fat, "a_b_c_d_e_f_g_h_i_j.mp4" },
        { "ends in dot. .mp4", fat, "ends in dot.mp4" },
        { "trailing. ", fat, "trailing" },
        { "Movie? One..mp4", fat, "Movie_ One.mp4" },
        { "con.avi", fat, "con_.avi" },
        { "What? Yes: no.mp4", plain, "What? Yes: no.mp4" },
        { "Caf\u00e9 \u00fcber Stra\u00dfe.avi", dvd, "Cafe uber Strasse.avi" },
        // Spelled out in Latin letters, not a row of underscores that collide.
        { "\u65e5\u672c.avi", dvd, "ri ben.avi" },
        { "\u3068\u306a\u308a\u306e\u30c8\u30c8\u30ed.avi", dvd, "tonarinototoro.avi" },
        { "\u2603 \U0001F600.avi", dvd, "_ _.avi" },
        { "A very long title that goes on and on well past what a DVD player shows.avi", dvd,
            "A very long title that goes on and on well past what a DVD p.avi" },
        { "a;b.mp4", joliet, "a_b.mp4" },
        { "...", fat, "video" },
    };
    const auto check = [](const QString &name, const TargetNames::Rules &rules, const QString &expected) {
        const QString cleaned = TargetNames::clean(name, rules);
        EXPECT_EQ(cleaned, expected);
        EXPECT_LE(cleaned.size(), rules.maxLength);
        EXPECT_LE(cleaned.toUtf8().size(), rules.maxBytes);
        // The part it is written as fits too.
        EXPECT_LE(PartFile::partName(cleaned).toUtf8().size() + 3, 255);
    };
    for (const Row &row : rows)
        check(QString::fromUtf8(row.name), row.rules, QString::fromUtf8(row.expected));
    // 255 bytes at most, cut between characters, the extension kept.
    const QChar e(0xe9);
    check(QString(128, e) + QStringLiteral(".mp4"), plain, QString(125, e) + QStringLiteral(".mp4"));
}

TEST(TargetNames, NamesThatDifferOnlyByCaseNeverMeetOnFat)
{
    QSet<QString> fat { TargetNames::key(QStringLiteral("Movie.mp4"), true) };
    EXPECT_EQ(TargetNames::unique(QStringLiteral("MOVIE.MP4"), &fat, true), QStringLiteral("MOVIE (2).MP4"));
    EXPECT_EQ(TargetNames::unique(QStringLiteral("movie.mp4"), &fat, true), QStringLiteral("movie (3).mp4"));
    EXPECT_EQ(TargetNames::unique(QStringLiteral("other.mp4"), &fat, true), QStringLiteral("other.mp4"));
    QSet<QString> ext4 { TargetNames::key(QStringLiteral("Movie.mp4"), false) };
    EXPECT_EQ(TargetNames::unique(QStringLiteral("movie.mp4"), &ext4, false), QStringLiteral("movie.mp4"));
    EXPECT_EQ(
        TargetNames::unique(QStringLiteral("Movie.mp4"), &ext4, false), QStringLiteral("Movie (2).mp4"));
    QSet<QString> short64 { QString(60, QLatin1Char('x')) + QStringLiteral(".avi") };
    EXPECT_EQ(
        TargetNames::unique(QString(60, QLatin1Char('x')) + QStringLiteral(".avi"), &short64, false, 64),
        QString(56, QLatin1Char('x')) + QStringLiteral(" (2).avi"));
    EXPECT_TRUE(TargetNames::isFat32("vfat"));
    EXPECT_TRUE(TargetNames::isFat32("fuse.fusefat"));
    EXPECT_TRUE(TargetNames::isFat("exfat"));
    EXPECT_FALSE(TargetNames::isFat32("exfat"));
    EXPECT_FALSE(TargetNames::isFat("ext4"));
}

// Copies and remuxes are their source's size; a conversion is held under
// the limit by a bit-rate ceiling instead of an estimate.
TEST(SizePlan, Fat32LimitAndDvdParts)
{
    TransferDecision decision;
    decision.duration = 3600;
    decision.audioKbps = 160;
    struct Row
    {
        int type;
        TransferAction action;
        qint64 bytes;
        bool fat;
        bool fits;
        int parts;
        int ceiling;
    };
    const qint64 gib = Q_INT64_C(1) << 30;
    const TransferAction copy = TransferAction::Copy;
    const TransferAction convert = TransferAction::Transcode;
    const Row rows[] = {
        { 1, copy, 5 * gib, false, true, 1, 0 }, // not FAT: no limit
        { 1, copy, 5 * gib, true, false, 1, 0 }, { 1, copy, Fat32MaxFile, true, true, 1, 0 },
        { 3, copy, 5 * gib, false, false, 1, 0 }, // reads FAT32 only
        // 4 GiB in an hour: 9067 kb/s less the sound, whatever the estimate.
        { 1, convert, 5 * gib, true, true, 1, 8907 }, { 1, convert, gib, true, true, 1, 8907 },
        { 1, convert, 5 * gib, false, true, 1, 0 },
        { 0, convert, gib - 1, false, true, 1, 2106 }, // 1 GiB parts: the part is the limit
        { 0, convert, 3 * gib, true, true, 4, 0 },
        { 0, convert, 6 * gib, true, true, 8, 0 }, // under the peak anyway,
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        decision.profile = deviceProfile(row.type);
        decision.action = row.action;
        decision.estimatedBytes = row.bytes;
        const SizePlan plan = SizePlan::make(decision, row.fat);
        EXPECT_EQ(plan.fits, row.fits);
        EXPECT_EQ(plan.parts, row.parts);
        EXPECT_EQ(plan.segmentSeconds > 0, row.parts > 1);
        EXPECT_EQ(plan.videoKbpsCeiling, row.ceiling);
        EXPECT_EQ(plan.message.isEmpty(), row.fits && row.parts == 1);
    }
    // Too long to fit at any watchable rate.
    decision.duration = 200 * 3600;
    decision.profile = deviceProfile(1);
    EXPECT_FALSE(SizePlan::make(decision, true).fits);
}

// Marks every translation with its context, so a test sees which one was used.
class ContextTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QString::fromLatin1(context) + QLatin1Char('|') + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

TEST(TransferTexts, ReasonsAndErrorsAreTranslated)
{
    const MediaProbe probe = parsed(probeJson("avi", Hd25, Aac));
    MediaProbe qpel;
    ASSERT_TRUE(TestClips::probe(TestClips::path(TestClips::AviAspMp3), &qpel));
    qpel.video.qpel = true;
    TransferDecision parted;
    parted.profile = deviceProfile(0);
    parted.duration = 3600;
    parted.estimatedBytes = Q_INT64_C(3) << 30;
    TargetNames::Rules fat;
    fat.fat = true;

    ContextTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const std::pair<QString, const char *> texts[] = {
        { decide(probe, *deviceProfile(2)).detail,
            "Zarnet::TransferDecision|Zarnet::TransferDecision|AVI is not played; the video is kept" },
        { decide(qpel, *deviceProfile(0)).reason,
            "Zarnet::TransferDecision|This Zarnet::TransferDecision|DVD Player does not play "
            "Zarnet::TransferDecision|quarter-pixel "
            "motion: "
            "converting the video to plain MPEG-4 (DivX)." },
        { SizePlan::make(parted, true).message,
            "Zarnet::SizePlan|split into 4 parts of at most Zarnet::SizePlan|1.00 GiB" },
        // The rules hold for the word too.
        { TargetNames::clean(QStringLiteral("....mp4"), fat), "Zarnet__TargetNames_video.mp4" },
        { ToolRun::toString(ToolResult::Crashed), "Zarnet::ToolRun|ended abnormally" },
        { PartFile::writeError(ENOSPC), "Zarnet::PartFile|the destination is full" },
        { TransferProgress::stageName(TransferProgress::Copying), "Zarnet::TransferProgress|copying" },
    };
    QCoreApplication::removeTranslator(&translator);
    for (const auto &[text, expected] : texts)
        EXPECT_EQ(text, QLatin1String(expected));
}

// Any bytes go through a QString and back unchanged; only what is not UTF-8
// is marked raw, and a person sees U+FFFD for it.
TEST(LocalName, BytesSurviveTheRoundTrip)
{
    const struct
    {
        QByteArray bytes;
        bool raw;
        const char *readable;
    } rows[] = {
        { "plain.mp4", false, "plain.mp4" },
        { "caf\xc3\xa9 \xf0\x9f\x98\x80.mp4", false, "caf\xc3\xa9 \xf0\x9f\x98\x80.mp4" },
        { "\xff.avi", true, "\xef\xbf\xbd.avi" },
        { "caf\xe9", true, "caf\xef\xbf\xbd" },
        { "cut \xc3", true, "cut \xef\xbf\xbd" },
        { "\xc0\xaf overlong", true, "\xef\xbf\xbd\xef\xbf\xbd overlong" },
        { "\xed\xa0\x80 surrogate", true, "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd surrogate" },
        { "\xf0\x9f\x98\x80\xff", true, "\xf0\x9f\x98\x80\xef\xbf\xbd" },
    };
    for (const auto &row : rows) {
        const QString name = LocalName::decode(row.bytes);
        EXPECT_EQ(LocalName::encode(name), row.bytes);
        EXPECT_EQ(LocalName::isRaw(name), row.raw) << row.bytes.constData();
        EXPECT_EQ(LocalName::readable(name), QString::fromUtf8(row.readable));
    }
}

// An index read back is what was written; anything else in the file means
// nothing is known.
TEST(SentIndex, DamagedOrForeignTextsMeanNothing)
{
    SentIndex::Entry entry { { 2, 1000, 123456789, QByteArray(64, 'a') },
        { { QStringLiteral("a b%.mp4"), 10, 20 }, { QStringLiteral("\u65e5\u672c - part 2.avi"), 30, 40 } } };
    const QVector<SentIndex::Entry> entries { entry,
        { { 0, 5, 6, QByteArray(64, 'b') }, { { QStringLiteral("x"), 1, 2 } } } };
    const QVector<SentIndex::Entry> back = SentIndex::parse(SentIndex::serialise(entries));
    ASSERT_EQ(back.size(), 2);
    EXPECT_TRUE(back[0].key == entry.key);
    ASSERT_EQ(back[0].outputs.size(), 2);
    EXPECT_EQ(back[0].outputs[1].name, entry.outputs[1].name);
    EXPECT_EQ(back[1].outputs[0].mtimeNs, 2);
    const QByteArray line = SentIndex::serialise(entries).split('\n').at(1);
    EXPECT_EQ(SentIndex::parse("kavo-sent 2\n" + line).size(), 1);
    // An index of the earlier format hashed otherwise: nothing is known.
    for (const QByteArray &text : { QByteArray(), QByteArray("kavo-sent 1\n" + line),
             QByteArray("not an index"), QByteArray("kavo-sent 2\n2 1 2 abc 1 2 x\n"),
             QByteArray("kavo-sent 2\n2 1 2 aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa "
                        "1 2 ..\n"),
             QByteArray(
                 "kavo-sent 2\n2 1 2 aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa 1 2 "
                 "a%2Fb\n") })
        EXPECT_TRUE(SentIndex::parse(text).isEmpty()) << text.toStdString();
}

} // namespace
