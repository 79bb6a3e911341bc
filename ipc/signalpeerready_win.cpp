#include "ipc/signalpeerready.h"

#include "ipc/textconvert.h"

#include <windows.h>

#include <cstdio>

namespace kvds {

std::string PeerReadyName(unsigned long processId)
{
    char name[260];
    std::snprintf(name, sizeof name, "%s%lx", "{83AB5D5B-695E-4879-8049-63EB7C0F542A}", processId);
    return name;
}

bool SignalPeerReady()
{
    const kvtl::WString name = kvtl::Utf8ToWide(PeerReadyName(GetCurrentProcessId()));
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, reinterpret_cast<const wchar_t *>(name.c_str()));
    if (!ready)
        return false;
    SetEvent(ready);
    CloseHandle(ready);
    return true;
}

} // namespace kvds
