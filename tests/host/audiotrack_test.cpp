// Audio tracks: listed by language, the host's language choosing the
// default, and the one chosen being the one decoded. No sound device needed.
#include "host/audiotrackdecoder.h"
#include "host/audiotrackplayer.h"
#include "host/playerwindow.h"
#include "host/videoplayer.h"
#include "ipc/refcountedptr.h"
#include "settings/kavosettings.h"
#include "zrt/osutilities.h"

#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int WaitMs = 20000;

// English at 440 Hz on stream 1, French at 1760 Hz on stream 2.
bool makeTwoLanguageClip(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
        QString::fromLatin1(
            "-nostdin -v error -y -f lavfi -i testsrc2=size=320x240:rate=25:duration=4 "
            "-f lavfi -i sine=frequency=440:duration=4 -f lavfi -i sine=frequency=1760:duration=4 "
            "-map 0 -map 1 -map 2 -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac "
            "-metadata:s:a:0 language=eng -metadata:s:a:1 language=fre")
                .split(QLatin1Char(' '))
            << path);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

// Of the left channel of 16-bit stereo: upward zero crossings per second.
double frequency(AudioTrackDecoder &decoder, int ms)
{
    std::vector<qint16> samples(size_t(48 * ms * 2));
    const qint64 bytes = decoder.read(reinterpret_cast<char *>(samples.data()), qint64(samples.size() * 2));
    int crossings = 0;
    for (size_t i = 2; i < size_t(bytes / 2); i += 2)
        crossings += samples[i - 2] < 0 && samples[i] >= 0 ? 1 : 0;
    return bytes > 0 ? crossings * 1000.0 / ms : 0;
}

bool setHostAudioLanguage(const char *code)
{
    kvtl::RefCountedPtr<kvds::IKavoSettings> languages;
    return kvds::CreateSettings("Settings/" + Zarnet::OSUtilities::getComponentIdUTF8() + "/Languages",
               kvds::CreateUserOpenMachine, &languages)
        && languages->SetString(std::string("AudioLanguage"), std::string(code));
}

class AudioTrackTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        VideoPlayer::preferFfmpegBackend();
        dir = std::make_unique<QTemporaryDir>();
        ok = makeTwoLanguageClip(path());
    }
    static void TearDownTestSuite() { dir.reset(); }
    void SetUp() override { ASSERT_TRUE(ok) << "ffmpeg could not make the clip"; }
    static QString path() { return dir->filePath(QStringLiteral("two languages.mp4")); }

    static std::unique_ptr<QTemporaryDir> dir;
    static bool ok;
};
std::unique_ptr<QTemporaryDir> AudioTrackTest::dir;
bool AudioTrackTest::ok = false;

} // namespace

TEST(AudioTrackLanguageTest, AnyFormOfALanguageCodeMatchesAndNothingElse)
{
    struct Case
    {
        const char *a, *b;
        bool same;
    } const cases[] = { { "fr", "fre", true }, { "fra", "fre", true }, { "eng", "en", true },
        { "deu", "ger", true }, { "jpn", "fre", false }, { "", "eng", false }, { "und", "und", false },
        { "zzz", "zzz", false } };
    for (const Case &c : cases)
        EXPECT_EQ(AudioTrackPlayer::sameLanguage(QLatin1String(c.a), QLatin1String(c.b)), c.same)
            << c.a << c.b;

    AudioTrackDecoder::Track untagged;
    untagged.title = QStringLiteral("Commentary");
    EXPECT_EQ(AudioTrackPlayer::trackName(untagged, 3), QStringLiteral("Track 3: Commentary"));
}

TEST_F(AudioTrackTest, EachTrackDecodesItsOwnSoundAlsoAfterASeek)
{
    AudioTrackDecoder decoder;
    ASSERT_TRUE(decoder.open(path()));
    ASSERT_EQ(decoder.tracks().size(), 2);
    EXPECT_EQ(decoder.tracks().at(0).language, QStringLiteral("eng"));
    EXPECT_EQ(decoder.tracks().at(1).language, QStringLiteral("fre"));
    struct Case
    {
        int track, stream;
        double hz;
    } const cases[] = { { 1, 2, 1760 }, { 0, 1, 440 } };
    for (const Case &c : cases) {
        ASSERT_TRUE(decoder.select(c.track, 48000, 2, AudioTrackDecoder::SampleFormat::Int16));
        EXPECT_EQ(decoder.decodedStream(), c.stream);
        EXPECT_NEAR(frequency(decoder, 500), c.hz, c.hz * 0.05) << c.track;
        EXPECT_NEAR(decoder.position(), 500, 30);
        ASSERT_TRUE(decoder.seek(2500));
        EXPECT_NEAR(frequency(decoder, 500), c.hz, c.hz * 0.05) << c.track;
        EXPECT_NEAR(decoder.position(), 3000, 30);
        char rest[4004]; // not a whole number of the codec's frames
        while (decoder.read(rest, sizeof rest) > 0) { }
        EXPECT_NEAR(decoder.position(), 4000, 100);
    }
}

TEST_F(AudioTrackTest, TheHostLanguageChoosesTheDefaultAndTheMenuSwitchesTrack)
{
    struct Case
    {
        const char *language;
        int track;
    } const cases[] = { { "fra", 1 }, { "fre", 1 }, { "fr", 1 }, { "en", 0 }, { "jpn", 0 } };
    for (const Case &c : cases) {
        VideoPlayer player(VideoPlayer::Audio::None);
        player.setAudioLanguage(QLatin1String(c.language));
        player.play(QUrl::fromLocalFile(path()));
        EXPECT_EQ(player.audioTrack(), c.track) << c.language;
        EXPECT_EQ(player.decodedAudioStream(), c.track + 1) << c.language;
    }

    // The host's own setting, read when an item starts, through the menu.
    ASSERT_TRUE(setHostAudioLanguage("fre"));
    PlayerWindow window;
    window.show();
    VideoPlayer *player = window.videoPlayer();
    player->play(QUrl::fromLocalFile(path()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->position() > 300; }, WaitMs));
    EXPECT_EQ(player->audioTrack(), 1);
    const QList<QAction *> items = window.audioTrackMenu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items.at(0)->text(), QStringLiteral("English"));
    EXPECT_EQ(items.at(1)->text(), QStringLiteral("French"));
    EXPECT_TRUE(items.at(1)->isChecked());

    items.at(0)->trigger();
    EXPECT_EQ(player->audioTrack(), 0);
    EXPECT_EQ(player->decodedAudioStream(), 1);
    EXPECT_TRUE(window.audioTrackMenu()->actions().at(0)->isChecked());
    // The picture plays on through the switch.
    const qint64 before = player->position();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->position() > before + 300; }, WaitMs));
    EXPECT_TRUE(player->isPlaying());
    ASSERT_TRUE(setHostAudioLanguage(""));
}

TEST_F(AudioTrackTest, WithASoundDeviceTheSoundKeepsToThePictureThroughSeekPauseAndSwitch)
{
    VideoPlayer player(VideoPlayer::Audio::Default);
    if (!player.hasAudio())
        GTEST_SKIP() << "no sound device";
    player.setAudioLanguage(QStringLiteral("eng"));
    const auto inStep = [&] {
        return player.soundPosition() >= 0 && qAbs(player.soundPosition() - player.position()) < 250;
    };
    const auto expectInStepPast = [&](qint64 at) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return player.position() > at && inStep(); }, WaitMs))
            << player.soundPosition() << " against " << player.position();
    };
    player.play(QUrl::fromLocalFile(path()));
    expectInStepPast(800);
    player.seek(2500);
    expectInStepPast(2600);
    player.pause();
    QTest::qWait(300);
    const qint64 paused = player.soundPosition();
    QTest::qWait(300);
    EXPECT_NEAR(player.soundPosition(), paused, 20);
    player.setAudioTrack(1);
    player.resume();
    EXPECT_EQ(player.decodedAudioStream(), 2);
    expectInStepPast(paused + 300);
}
