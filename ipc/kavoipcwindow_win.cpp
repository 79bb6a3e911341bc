#include "ipc/kavoipcwindow.h"

#include <windows.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <vector>

namespace {

constexpr wchar_t kWindowClassName[] = L"KavoIPCWindowClassName";
constexpr wchar_t kWindowTitle[] = L"KavoIPCWindowName";
constexpr char kNamePrefix[] = "KavoIPCWindowName.";
// Ends the message loop: posted, so it waits behind deliveries already queued.
constexpr UINT kCloseMessage = 1603;

// The sender window as the handler sees it: the title and the handle in hex.
std::string NameOf(HWND window)
{
    char name[64];
    std::snprintf(name, sizeof name, "%s%" PRIxPTR, kNamePrefix, reinterpret_cast<uintptr_t>(window));
    return name;
}

HWND WindowOf(const char *name)
{
    const size_t prefix = sizeof kNamePrefix - 1;
    if (!name || std::strncmp(name, kNamePrefix, prefix) != 0 || name[prefix] == 0)
        return nullptr;
    uintptr_t value = 0;
    for (const char *p = name + prefix; *p; ++p) {
        const char c = *p;
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0 || value > (UINTPTR_MAX >> 4))
            return nullptr;
        value = value << 4 | static_cast<uintptr_t>(digit);
    }
    return reinterpret_cast<HWND>(value);
}

// By class and title, as the peers find each other. The title is read
// without a message, so a hung window cannot stall the search.
bool IsEndpointWindow(HWND window)
{
    wchar_t text[64];
    if (GetClassNameW(window, text, 64) == 0 || std::wcscmp(text, kWindowClassName) != 0)
        return false;
    return InternalGetWindowText(window, text, 64) > 0 && std::wcscmp(text, kWindowTitle) == 0;
}

BOOL CALLBACK CollectEndpoint(HWND window, LPARAM list)
{
    if (IsEndpointWindow(window))
        reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
    return TRUE;
}

} // namespace

// Deliveries within the process are window messages as well: the system
// hands a send from another thread to the window's own.
struct KavoIPCWindow::Native
{
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto *self = reinterpret_cast<KavoIPCWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        switch (message) {
        case WM_COPYDATA:
            return self ? self->m_native->CopyData(*self, reinterpret_cast<HWND>(wParam),
                       reinterpret_cast<const COPYDATASTRUCT *>(lParam))
                        : 0;
        case kCloseMessage:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    // The callbacks' count; 0 for a delivery out of bounds.
    LRESULT CopyData(KavoIPCWindow &owner, HWND sender, const COPYDATASTRUCT *copy)
    {
        if (!copy || copy->cbData > kMaxDataSize || (copy->cbData != 0 && !copy->lpData))
            return 0;
        const std::string senderName = NameOf(sender);
        return owner.m_handler(senderName.c_str(), static_cast<uint32_t>(copy->dwData),
            static_cast<const unsigned char *>(copy->lpData), copy->cbData);
    }

    std::atomic<HWND> window { nullptr };
};

KavoIPCWindow::KavoIPCWindow(CopyDataHandler handler)
    : m_handler(std::move(handler))
    , m_native(new Native)
{
}

KavoIPCWindow::~KavoIPCWindow() = default;

bool KavoIPCWindow::Create()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Native::Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClassName;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    // Top-level and never shown: EnumWindows finds it, the user does not.
    HWND window = CreateWindowExW(
        0, kWindowClassName, kWindowTitle, WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    if (!window)
        return false;
    m_name = NameOf(window);
    m_native->window = window;
    return true;
}

void KavoIPCWindow::RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    m_native->window = nullptr;
}

void KavoIPCWindow::PostClose()
{
    if (HWND window = m_native->window.load())
        PostMessageW(window, kCloseMessage, 0, 0);
}

bool KavoIPCWindow::IsPeer(const char *name) const
{
    HWND window = WindowOf(name);
    return window && IsWindow(window) && IsEndpointWindow(window);
}

// The window's own answer: a name says nothing of the process. Two players
// with the same component id tell their notices apart by this.
bool KavoIPCWindow::ProcessOf(const char *name, long *processId) const
{
    HWND window = WindowOf(name);
    DWORD process = 0;
    if (!window || !IsWindow(window) || !GetWindowThreadProcessId(window, &process) || process == 0)
        return false;
    if (processId)
        *processId = static_cast<long>(process);
    return true;
}

int KavoIPCWindow::SendToAll(
    uint32_t tag, const unsigned char *data, uint32_t size, bool onWindowThread, bool includeOwn)
{
    std::vector<HWND> peers;
    EnumWindows(&CollectEndpoint, reinterpret_cast<LPARAM>(&peers));
    COPYDATASTRUCT copy {};
    copy.dwData = tag;
    copy.cbData = size;
    copy.lpData = const_cast<unsigned char *>(data);
    if (!onWindowThread)
        m_awaitedBySender = true;
    int total = 0;
    // Each peer bounded: a hung one counts 0 and is passed over. A sender on
    // a window thread serves the messages sent to it meanwhile, so two that
    // send to each other cannot deadlock.
    const HWND own = m_native->window.load();
    for (HWND peer : peers) {
        if (peer == own && !includeOwn)
            continue;
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutW(peer, WM_COPYDATA, reinterpret_cast<WPARAM>(own),
                reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL | SMTO_ABORTIFHUNG, kDeliveryTimeoutMs, &answer))
            total += static_cast<int>(answer);
    }
    m_awaitedBySender = false;
    return total;
}

bool KavoIPCWindow::HasWindowTitle(const char *name)
{
    return WindowOf(name) != nullptr;
}
