// Runs a test program on a desktop of its own and answers its exit code.
// Under Wine every process on one server shares one window list, so test
// programs run side by side would find each other's windows; a desktop of
// their own keeps them apart, as a private runtime folder does on Linux.
#include <windows.h>

#include <string>

namespace {

// A Unix path, as ctest hands it to Wine, on Wine's drive for the root.
std::wstring windowsPath(const std::wstring &path)
{
    if (path.empty() || path[0] != L'/')
        return path;
    std::wstring out = L"Z:" + path;
    for (wchar_t &c : out) {
        if (c == L'/')
            c = L'\\';
    }
    return out;
}

// The quoting CommandLineToArgvW undoes.
void appendQuoted(std::wstring &line, const std::wstring &arg)
{
    if (!line.empty())
        line += L' ';
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) {
        line += arg;
        return;
    }
    line += L'"';
    size_t slashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
        } else if (c == L'"') {
            line.append(2 * slashes + 1, L'\\');
            slashes = 0;
        } else {
            slashes = 0;
        }
        line += c;
    }
    line.append(slashes, L'\\');
    line += L'"';
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2)
        return 2;
    const std::wstring program = windowsPath(argv[1]);
    std::wstring commandLine;
    appendQuoted(commandLine, program);
    for (int i = 2; i < argc; ++i)
        appendQuoted(commandLine, argv[i]);

    std::wstring desktop = L"KavoTest" + std::to_wstring(GetCurrentProcessId());
    HDESK handle = CreateDesktopW(desktop.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (!handle)
        return 3;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.data();
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        CloseDesktop(handle);
        return 4;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseDesktop(handle);
    return static_cast<int>(code);
}
