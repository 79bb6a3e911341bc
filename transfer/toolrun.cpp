#include "transfer/toolrun.h"

#include "zrt/programfinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace Zarnet {

namespace {
constexpr int ErrorTail = 4096;
}

ToolRun::ToolRun(QObject *parent)
    : QObject(parent)
{
    m_killTimer.setSingleShot(true);
    connect(&m_killTimer, &QTimer::timeout, &m_process, &QProcess::kill);
    m_silenceTimer.setSingleShot(true);
    connect(&m_silenceTimer, &QTimer::timeout, this, [this] {
        m_silent = true;
        cancel();
    });
    // A child that waited for input would wait for ever: there is none.
    m_process.setStandardInputFile(QProcess::nullDevice());
    connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] {
        if (m_silenceLimit > 0 && !m_cancelled)
            m_silenceTimer.start(m_silenceLimit);
        const QByteArray chunk = m_process.readAllStandardOutput();
        if (m_keepOutput)
            m_output += chunk;
        emit outputRead(chunk);
    });
    connect(&m_process, &QProcess::readyReadStandardError, this, [this] {
        if (m_silenceLimit > 0 && !m_cancelled)
            m_silenceTimer.start(m_silenceLimit);
        const QByteArray chunk = m_process.readAllStandardError();
        m_errorTail += chunk;
        if (m_errorTail.size() > ErrorTail)
            m_errorTail.remove(0, m_errorTail.size() - ErrorTail);
        emit errorRead(chunk);
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(m_silent       ? ToolResult::Silent
                    : m_cancelled ? ToolResult::Cancelled
                                  : ToolResult::StartFailed);
    });
    connect(&m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        m_exitCode = code;
        if (m_silent)
            finish(ToolResult::Silent);
        else if (m_cancelled)
            finish(ToolResult::Cancelled);
        else if (status == QProcess::CrashExit)
            finish(ToolResult::Crashed);
        else
            finish(code == 0 ? ToolResult::Done : ToolResult::Failed);
    });
}

ToolRun::~ToolRun()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
    for (int fd : m_owned)
        ::close(fd);
}

QString ToolRun::programPath(const QString &name)
{
    const QByteArray variable = "KAVO_" + name.toUpper().toLatin1();
    return ProgramFinder::find(variable.constData(), name);
}

QString ToolRun::toString(ToolResult result)
{
    switch (result) {
    case ToolResult::Done:
        return tr("done");
    case ToolResult::Failed:
        return tr("failed");
    case ToolResult::Crashed:
        return tr("ended abnormally");
    case ToolResult::StartFailed:
        return tr("could not be started");
    case ToolResult::Cancelled:
        return tr("cancelled");
    case ToolResult::Silent:
        return tr("gave no sign of progress and was stopped");
    }
    return {};
}

void ToolRun::start(const QString &tool, const QStringList &arguments)
{
    m_tool = tool;
    m_program = programPath(tool);
    m_arguments = arguments;
    m_started = true;
    QMetaObject::invokeMethod(this, &ToolRun::launch, Qt::QueuedConnection);
}

void ToolRun::launch()
{
    if (m_cancelled) {
        finish(ToolResult::Cancelled);
        return;
    }
    if (m_program.isEmpty()) {
        finish(ToolResult::StartFailed);
        return;
    }
    if (qEnvironmentVariableIsSet("KAVO_DEBUG"))
        std::fprintf(stderr, "kavo-transfer: %s %s\n", qPrintable(m_program),
            qPrintable(m_arguments.join(QLatin1Char(' '))));
    m_process.setChildProcessModifier([inherited = m_inherited] {
        // A converter must not outlive us and keep writing a part nobody deletes.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The stop signals are blocked in a command line's threads, and a
        // mask survives exec: the child would sit out every SIGTERM.
        sigset_t none;
        sigemptyset(&none);
        pthread_sigmask(SIG_SETMASK, &none, nullptr);
        for (int sig : { SIGTERM, SIGINT, SIGHUP, SIGPIPE })
            std::signal(sig, SIG_DFL);
        // Inside the player we do not own every descriptor, and not all are
        // close-on-exec. Marked rather than closed: QProcess still reports a
        // failed exec through one of them.
        close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
        for (int fd : inherited)
            fcntl(fd, F_SETFD, 0);
    });
    if (m_silenceLimit > 0)
        m_silenceTimer.start(m_silenceLimit);
    m_process.start(m_program, m_arguments, QIODevice::ReadOnly);
}

void ToolRun::cancel()
{
    if (m_ended || m_cancelled)
        return;
    m_cancelled = true;
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        m_killTimer.start(m_killDelay);
    }
}

void ToolRun::finish(ToolResult result)
{
    if (m_ended)
        return;
    m_ended = true;
    m_killTimer.stop();
    m_silenceTimer.stop();
    emit done(result);
}

QString ToolRun::lastErrorLine() const
{
    const QList<QByteArray> lines = m_errorTail.split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QByteArray text = line->trimmed();
        if (!text.isEmpty())
            return QString::fromLocal8Bit(text);
    }
    return {};
}

QString ToolRun::failureText(ToolResult result) const
{
    QString text = result == ToolResult::Failed
        ? tr("%1 failed (exit %2)").arg(m_tool).arg(m_exitCode)
        : tr("%1 %2", "a tool, what became of its run").arg(m_tool, toString(result));
    const QString line = lastErrorLine();
    if (!line.isEmpty() && result != ToolResult::Cancelled)
        text = tr("%1: %2", "what became of a run, the tool's last words").arg(text, line);
    return text;
}

} // namespace Zarnet
