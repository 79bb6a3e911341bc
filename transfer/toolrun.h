#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

namespace Zarnet {

enum class ToolResult { Done, Failed, Crashed, StartFailed, Cancelled, Silent };

// One run of ffmpeg, ffprobe or xorriso. It ends in exactly one done(),
// whatever happens (failed start included), so the caller cleans up in one
// place. start() is queued, so connect first; nothing here waits on the
// caller's thread. Cancel: the flag first, so the end reads Cancelled, then
// SIGTERM, then SIGKILL when the child has not gone after killDelay. The
// child reads nothing: its standard input is /dev/null.
class ToolRun : public QObject
{
    Q_OBJECT
public:
    explicit ToolRun(QObject *parent = nullptr);
    ~ToolRun() override;

    // The variable (KAVO_FFMPEG, KAVO_FFPROBE, KAVO_XORRISO), beside our own
    // binary, then PATH. Empty when none is found.
    static QString programPath(const QString &name);
    static QString toString(ToolResult result);

    // tool is "ffmpeg", "ffprobe" or "xorriso", found through programPath.
    void start(const QString &tool, const QStringList &arguments);
    void cancel();
    bool isRunning() const { return m_started && !m_ended; }
    qint64 processId() const { return m_process.processId(); }
    void setKillDelay(int milliseconds) { m_killDelay = milliseconds; }
    // Standard output kept whole (ffprobe's JSON); otherwise only streamed.
    void setKeepOutput(bool keep) { m_keepOutput = keep; }
    // A child that writes nothing for this long is stopped and ends Silent.
    void setSilenceLimit(int milliseconds) { m_silenceLimit = milliseconds; }
    // Descriptors the child keeps, under the same numbers: it opens what we
    // made as /proc/self/fd/N, so a name swapped meanwhile cannot redirect it.
    void setInheritedDescriptors(const QVector<int> &descriptors) { m_inherited = descriptors; }
    // One more inherited descriptor, which this run closes when it goes.
    void adoptDescriptor(int descriptor)
    {
        m_inherited << descriptor;
        m_owned << descriptor;
    }

    QByteArray output() const { return m_output; }
    QString tool() const { return m_tool; }
    int exitCode() const { return m_exitCode; }
    QString lastErrorLine() const;
    QString errorText() const { return QString::fromLocal8Bit(m_errorTail); } // the last few KiB
    // File, tool, exit status and the last line it wrote: for a failed row.
    QString failureText(ToolResult result) const;

signals:
    void outputRead(const QByteArray &chunk);
    void errorRead(const QByteArray &chunk);
    void done(Zarnet::ToolResult result);

private:
    void launch();
    void finish(ToolResult result);

    QProcess m_process;
    QTimer m_killTimer;
    QTimer m_silenceTimer;
    QVector<int> m_inherited;
    QVector<int> m_owned;
    int m_silenceLimit = 0;
    bool m_silent = false;
    QString m_tool;
    QString m_program;
    QStringList m_arguments;
    QByteArray m_output;
    QByteArray m_errorTail;
    int m_killDelay = 5000;
    int m_exitCode = -1;
    bool m_keepOutput = false;
    bool m_cancelled = false;
    bool m_started = false;
    bool m_ended = false;
};

} // namespace Zarnet
