#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// One player process running the pane under its own component id.
class Player
{
public:
    explicit Player(const QString &componentId)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
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

    bool waitFor(const QByteArray &line)
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            while (m_process.canReadLine()) {
                if (m_process.readLine().trimmed() == line)
                    return true;
            }
            m_process.waitForReadyRead(100);
        }
        return false;
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
            return {QStringLiteral("no answer")};
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

    // Polls until the grid matches; the change travels between processes.
    bool gridBecomes(const QStringList &expected)
    {
        QDeadlineTimer deadline(20000);
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

TEST(PaneAcrossProcesses, AddRenameAndRemoveShowInTheOtherPlayer)
{
    Player first(QStringLiteral("PlayerOne"));
    ASSERT_TRUE(first.waitFor("ready"));
    Player second(QStringLiteral("PlayerTwo"));
    ASSERT_TRUE(second.waitFor("ready"));

    const QStringList defaults{QStringLiteral("0 0 10000 DVD Player"), QStringLiteral("1 0 10001 Blu-ray Player"),
                               QStringLiteral("2 0 10002 TV"), QString::fromUtf8("3 0 10003 PlayStation\u00ae3")};
    ASSERT_EQ(first.grid(), defaults);
    ASSERT_EQ(second.grid(), defaults);

    ASSERT_TRUE(first.command("add 2 Kitchen TV"));
    QStringList expected = defaults;
    expected << QStringLiteral("0 1 10004 Kitchen TV");
    EXPECT_EQ(first.grid(), expected);
    EXPECT_TRUE(second.gridBecomes(expected)) << second.grid().join(QLatin1Char('|')).toStdString();

    ASSERT_TRUE(second.command("rename 2 0 Lounge TV"));
    expected[2] = QStringLiteral("2 0 10002 Lounge TV");
    EXPECT_TRUE(first.gridBecomes(expected)) << first.grid().join(QLatin1Char('|')).toStdString();

    ASSERT_TRUE(first.command("remove 0 0"));
    const QStringList afterRemoval{QStringLiteral("0 0 10001 Blu-ray Player"), QStringLiteral("1 0 10002 Lounge TV"),
                                   QString::fromUtf8("2 0 10003 PlayStation\u00ae3"),
                                   QStringLiteral("3 0 10004 Kitchen TV")};
    EXPECT_EQ(first.grid(), afterRemoval);
    EXPECT_TRUE(second.gridBecomes(afterRemoval)) << second.grid().join(QLatin1Char('|')).toStdString();
}

TEST(PaneAcrossProcesses, TwoPlayersOnANewProfileAddTheDefaultsOnce)
{
    // Both set up at the same moment: only one of them may add the defaults.
    Player first(QStringLiteral("PlayerOne"));
    Player second(QStringLiteral("PlayerTwo"));
    ASSERT_TRUE(first.waitFor("ready"));
    ASSERT_TRUE(second.waitFor("ready"));
    const QStringList defaults{QStringLiteral("0 0 10000 DVD Player"), QStringLiteral("1 0 10001 Blu-ray Player"),
                               QStringLiteral("2 0 10002 TV"), QString::fromUtf8("3 0 10003 PlayStation\u00ae3")};
    EXPECT_TRUE(first.gridBecomes(defaults)) << first.grid().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(second.gridBecomes(defaults)) << second.grid().join(QLatin1Char('|')).toStdString();
}
