#include "tests/common/childprocess.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <thread>

struct ChildProcess::Native
{
    PROCESS_INFORMATION process {};
    HANDLE in = nullptr;
    HANDLE out = nullptr;
};

ChildProcess::ChildProcess()
    : m_native(new Native)
{
}

ChildProcess::~ChildProcess()
{
    if (m_native->process.hProcess) {
        kill(9);
        wait();
    }
    for (HANDLE handle : { m_native->in, m_native->out }) {
        if (handle)
            CloseHandle(handle);
    }
}

pid_t ChildProcess::pid() const
{
    return static_cast<pid_t>(m_native->process.dwProcessId);
}

bool ChildProcess::start(const std::vector<std::string> &args, bool withErrors)
{
    if (args.empty() || m_native->process.hProcess)
        return false;
    SECURITY_ATTRIBUTES inherit { sizeof inherit, nullptr, TRUE };
    HANDLE childIn = nullptr;
    HANDLE childOut = nullptr;
    if (!CreatePipe(&childIn, &m_native->in, &inherit, 0))
        return false;
    if (!CreatePipe(&m_native->out, &childOut, &inherit, 0)) {
        CloseHandle(childIn);
        return false;
    }
    // Only the child's ends are inherited.
    SetHandleInformation(m_native->in, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(m_native->out, HANDLE_FLAG_INHERIT, 0);

    std::string commandLine;
    for (const std::string &arg : args)
        commandLine += (commandLine.empty() ? "\"" : " \"") + arg + '"';
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = withErrors ? childOut : GetStdHandle(STD_ERROR_HANDLE);
    // No program name: a bare one is found beside the test program.
    const bool started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                             nullptr, &startup, &m_native->process)
        != FALSE;
    CloseHandle(childIn);
    CloseHandle(childOut);
    if (!started)
        m_native->process = PROCESS_INFORMATION {};
    else
        CloseHandle(m_native->process.hThread);
    return started;
}

long ChildProcess::readSome(char *buffer, size_t size, int timeoutMs)
{
    // Anonymous pipes have no overlapped reads: look, then read what is there.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        DWORD available = 0;
        // Once the child has gone a peek may fail; a read then cannot block,
        // and takes whatever output is left.
        const bool gone = !PeekNamedPipe(m_native->out, nullptr, 0, nullptr, &available, nullptr);
        if (gone || available > 0) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(gone ? size : std::min<size_t>(size, available));
            if (!ReadFile(m_native->out, buffer, want, &got, nullptr) || got == 0)
                return -1;
            // The child's C runtime writes its lines in text mode: "\r\n".
            char *end = std::remove(buffer, buffer + got, '\r');
            return static_cast<long>(end - buffer);
        }
        if (timeoutMs >= 0 && std::chrono::steady_clock::now() >= deadline)
            return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool ChildProcess::writeLine(const std::string &line)
{
    const std::string text = line + '\n';
    DWORD written = 0;
    return WriteFile(m_native->in, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)
        && written == text.size();
}

// Any signal ends the process at once.
void ChildProcess::kill(int)
{
    if (m_native->process.hProcess)
        TerminateProcess(m_native->process.hProcess, 1);
}

int ChildProcess::wait()
{
    HANDLE process = m_native->process.hProcess;
    if (!process)
        return -1;
    WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    const bool known = GetExitCodeProcess(process, &code) != FALSE;
    CloseHandle(process);
    m_native->process = PROCESS_INFORMATION {};
    return known ? static_cast<int>(code) : -1;
}
