#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// One player process running the pane under its own component id, or with
// the default one ("KavoPlayer") when none is given.
class Player
{
public:
    explicit Player(const QString &componentId = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (componentId.isEmpty())
            environment.remove(QStringLiteral("KAVO_COMPONENT_ID"));
        else
            environment.insert(QStringLiteral("KAVO_COMPONENT_ID"), componentId);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/pane_peer"), {});
    }
    ~Player()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.write("quit\n");
            if (!m_process.waitForFinished(5000))
                m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool waitFor(const QByteArray &line) { return !lineStarting(line, true).isNull(); }

    // The next line that begins with prefix (or is it, when whole), skipping others.
    QString lineStarting(const QByteArray &prefix, bool whole = false)
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine().trimmed();
                if (whole ? line == prefix : line.startsWith(prefix))
                    return QString::fromUtf8(line);
            }
            m_process.waitForReadyRead(100);
        }
        return QString();
    }

    bool command(const QByteArray &text)
    {
        m_process.write(text + '\n');
        return waitFor("done");
    }

    // The grid as "ROW COL ID NAME" lines.
    QStringList grid()
    {
        m_process.write("grid\n");
        if (!waitFor("grid"))
            return { QStringLiteral("no answer") };
        QStringList lines;
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromUtf8(m_process.readLine().trimmed());
                if (line == QLatin1String("end"))
                    return lines;
                lines << line;
            }
            m_process.waitForReadyRead(100);
        }
        return lines;
    }

    // The pane's outside-change and own-change signal counts.
    QList<int> counts()
    {
        m_process.write("counts\n");
        const QStringList words = lineStarting("counts ").split(QLatin1Char(' '));
        return words.size() == 3 ? QList<int> { words[1].toInt(), words[2].toInt() } : QList<int> {};
    }

    // Polls until the grid matches; the change travels between processes.
    bool gridBecomes(const QStringList &expected, int timeoutMs = 20000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            if (grid() == expected)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

private:
    QProcess m_process;
};

} // namespace

namespace {

const QStringList defaultGrid { QStringLiteral("0 0 10000 DVD Player"),
    QStringLiteral("1 0 10001 Blu-ray Player"), QStringLiteral("2 0 10002 TV"),
    QString::fromUtf8("3 0 10003 PlayStation\u00ae3") };

QString joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('|'));
}

// Two players on one device database, started one after the other; the
// first sets up the default devices.
struct TwoPlayers
{
    explicit TwoPlayers(const QString &firstId = QStringLiteral("PlayerOne"),
        const QString &secondId = QStringLiteral("PlayerTwo"))
        : first(firstId)
    {
        ready = first.waitFor("ready") && first.grid() == defaultGrid;
        second = std::make_unique<Player>(secondId);
        ready = ready && second->waitFor("ready");
    }
    Player first;
    std::unique_ptr<Player> second;
    bool ready = false;
};

} // namespace

TEST(PaneAcrossProcesses, TwoPlayersOnANewProfileAddTheDefaultsOnce)
{
    // Both set up at the same moment: only one of them may add the defaults.
    Player first(QStringLiteral("PlayerOne"));
    Player second(QStringLiteral("PlayerTwo"));
    ASSERT_TRUE(first.waitFor("ready"));
    ASSERT_TRUE(second.waitFor("ready"));
    EXPECT_TRUE(first.gridBecomes(defaultGrid)) << joined(first.grid()).toStdString();
    EXPECT_TRUE(second.gridBecomes(defaultGrid)) << joined(second.grid()).toStdString();
}

// With component ids of their own, and both with the default one: the
// sender shows its own change once and does not take its own notice for
// one from elsewhere.
TEST(PaneAcrossProcesses, ChangesShowInTheOtherPlayerAndOnceInTheSender)
{
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    for (const bool ownIds : { true, false }) {
        SCOPED_TRACE(ownIds ? "own component ids" : "the default component id");
        const QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        TwoPlayers players(ownIds ? QStringLiteral("PlayerOne") : QString(),
            ownIds ? QStringLiteral("PlayerTwo") : QString());
        ASSERT_TRUE(players.ready);
        Player &first = players.first;
        Player &second = *players.second;

        const QList<int> before = first.counts();
        ASSERT_TRUE(first.command("add 2 Kitchen TV"));
        QStringList expected = defaultGrid;
        expected << QStringLiteral("0 1 10004 Kitchen TV");
        EXPECT_EQ(first.grid(), expected);
        EXPECT_TRUE(second.gridBecomes(expected)) << joined(second.grid()).toStdString();
        const QList<int> after = first.counts();
        ASSERT_EQ(after.size(), 2);
        EXPECT_EQ(after[0], before.value(0));
        EXPECT_EQ(after[1], before.value(1) + 1);

        ASSERT_TRUE(second.command("rename 2 0 Lounge TV"));
        expected[2] = QStringLiteral("2 0 10002 Lounge TV");
        EXPECT_TRUE(first.gridBecomes(expected)) << joined(first.grid()).toStdString();
        EXPECT_GT(first.counts().value(0), after[0]);

        ASSERT_TRUE(first.command("remove 0 0"));
        const QStringList afterRemoval { QStringLiteral("0 0 10001 Blu-ray Player"),
            QStringLiteral("1 0 10002 Lounge TV"), QString::fromUtf8("2 0 10003 PlayStation\u00ae3"),
            QStringLiteral("3 0 10004 Kitchen TV") };
        EXPECT_EQ(first.grid(), afterRemoval);
        EXPECT_TRUE(second.gridBecomes(afterRemoval)) << joined(second.grid()).toStdString();
    }
    qputenv("XDG_DATA_HOME", dataHome);
}

// A pane whose button has a menu, dialog or box open while a second player
// changes the devices: the grid follows, the busy button survives, and what
// the user then chooses acts on that device or says it is gone.
TEST(PaneDuringOutsideChanges, EditSavedAfterTwoAddsElsewhereReachesThatDevice)
{
    TwoPlayers players;
    ASSERT_TRUE(players.ready);
    Player &editor = players.first;
    Player &other = *players.second;
    ASSERT_TRUE(editor.command("menu 0 0"));
    ASSERT_FALSE(editor.lineStarting("menu ").isEmpty());
    ASSERT_TRUE(editor.command("choose Edit"));
    ASSERT_EQ(editor.lineStarting("dialog "), QStringLiteral("dialog Edit Your Device|"));

    ASSERT_TRUE(other.command("add 2 Kitchen TV"));
    ASSERT_TRUE(other.command("add 1 Den Player"));
    QStringList expected = defaultGrid;
    expected << QStringLiteral("0 1 10004 Kitchen TV") << QStringLiteral("1 1 10005 Den Player");
    EXPECT_TRUE(editor.gridBecomes(expected)) << joined(editor.grid()).toStdString();

    ASSERT_TRUE(editor.command("reply save Bedroom DVD"));
    expected[0] = QStringLiteral("0 0 10000 Bedroom DVD");
    EXPECT_EQ(editor.grid(), expected);
    EXPECT_TRUE(other.gridBecomes(expected)) << joined(other.grid()).toStdString();
    // The next edit starts from the saved name.
    ASSERT_TRUE(editor.command("menu 0 0"));
    ASSERT_FALSE(editor.lineStarting("menu ").isEmpty());
    ASSERT_TRUE(editor.command("choose Edit"));
    ASSERT_FALSE(editor.lineStarting("dialog ").isEmpty());
    ASSERT_TRUE(editor.command("reply reject"));
    EXPECT_EQ(editor.grid(), expected);
}

// A menu or dialog left open while its device is deleted elsewhere: what the
// user then chooses says the device is gone, and nothing else changes.
TEST(PaneDuringOutsideChanges, ActingOnADeviceDeletedElsewhereSaysSo)
{
    const QString kitchen = QStringLiteral("3 0 10004 Kitchen TV");
    const QString playStation = QString::fromUtf8("2 0 10003 PlayStation\u00ae3");
    struct Case
    {
        const char *what;
        QStringList open; // in the first player; the last answer is checked
        QString opened; // that answer
        QStringList change; // in the second player
        QStringList after; // both grids from then on
        const char *act;
        const char *gone; // the device's name
    };
    const Case cases[] = {
        { "Delete confirmed", { QStringLiteral("menu 1 0"), QStringLiteral("choose Delete") },
            QStringLiteral("dialog Delete Your Device|"), { QStringLiteral("remove 1 0") },
            { QStringLiteral("0 0 10000 DVD Player"), QStringLiteral("1 0 10002 TV"), playStation },
            "reply accept", "Blu-ray Player" },
        { "Edit chosen from an open menu", { QStringLiteral("menu 0 0") },
            QStringLiteral("menu Transfer Videos to \"DVD Player\"||Edit|Delete"),
            { QStringLiteral("add 2 Kitchen TV"), QStringLiteral("remove 0 0") },
            { QStringLiteral("0 0 10001 Blu-ray Player"), QStringLiteral("1 0 10002 TV"), playStation,
                kitchen },
            "choose Edit", "DVD Player" },
        { "Edit saved", { QStringLiteral("menu 2 0"), QStringLiteral("choose Edit") },
            QStringLiteral("dialog Edit Your Device|"), { QStringLiteral("remove 2 0") },
            { QStringLiteral("0 0 10000 DVD Player"), QStringLiteral("1 0 10001 Blu-ray Player"),
                playStation },
            "reply save Lounge TV", "TV" },
    };
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        // A device database of the case's own.
        const QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        TwoPlayers players;
        ASSERT_TRUE(players.ready);
        Player &first = players.first;
        Player &other = *players.second;
        for (const QString &command : c.open)
            ASSERT_TRUE(first.command(command.toUtf8()));
        ASSERT_EQ(first.lineStarting((c.opened.section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ')).toUtf8()),
            c.opened);
        for (const QString &command : c.change)
            ASSERT_TRUE(other.command(command.toUtf8()));
        EXPECT_TRUE(first.gridBecomes(c.after)) << joined(first.grid()).toStdString();

        ASSERT_TRUE(first.command(c.act));
        EXPECT_EQ(first.lineStarting("dialog "),
            QStringLiteral("dialog Device Not Found|\"%1\" no longer exists: it was deleted elsewhere.")
                .arg(QString::fromUtf8(c.gone)));
        ASSERT_TRUE(first.command("reply accept"));
        // Nothing else was deleted, nothing came back.
        EXPECT_EQ(first.grid(), c.after);
        EXPECT_EQ(other.grid(), c.after);
    }
    qputenv("XDG_DATA_HOME", dataHome);
}

TEST(PaneDuringOutsideChanges, UnrecognizedFileBoxOpenWhileDevicesChangeElsewhere)
{
    TwoPlayers players;
    ASSERT_TRUE(players.ready);
    Player &first = players.first;
    Player &other = *players.second;
    ASSERT_TRUE(first.command("drop 0 0 kavo_playlist_item:/5/x/7"));
    ASSERT_EQ(first.lineStarting("dialog "),
        QStringLiteral("dialog Unrecognized File|This file was not recognized."));

    ASSERT_TRUE(other.command("remove 0 0"));
    ASSERT_TRUE(other.command("add 2 Kitchen TV"));
    const QStringList expected { QStringLiteral("0 0 10001 Blu-ray Player"), QStringLiteral("1 0 10002 TV"),
        QString::fromUtf8("2 0 10003 PlayStation\u00ae3"), QStringLiteral("3 0 10004 Kitchen TV") };
    EXPECT_TRUE(first.gridBecomes(expected)) << joined(first.grid()).toStdString();
    ASSERT_TRUE(first.command("reply accept"));
    EXPECT_EQ(first.grid(), expected);
}
