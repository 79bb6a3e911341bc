#include "ipc/kavoosthread.h"

#include <windows.h>

namespace KavoOS {

// The priority levels are Win32's own; a refusal leaves the thread as it is.
void CKavoThread::ApplyPriority(int priority)
{
    static const int level[] = { THREAD_PRIORITY_LOWEST, THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
        THREAD_PRIORITY_HIGHEST, THREAD_PRIORITY_TIME_CRITICAL };
    if (priority < 0 || priority > 4 || priority == CKavoThread::PriorityNormal)
        return;
    SetThreadPriority(GetCurrentThread(), level[priority]);
}

} // namespace KavoOS
