#include "ipc/kavoosthread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace KavoOS {

// Linux has no per-thread priority classes for ordinary threads; the
// thread's nice value is the nearest hint. Raising it needs privileges, so
// a refusal is ignored.
void CKavoThread::ApplyPriority(int priority)
{
    static const int niceOffset[] = { 10, 5, 0, -5, -10 };
    if (priority < 0 || priority > 4 || priority == CKavoThread::PriorityNormal)
        return;
    const auto tid = static_cast<id_t>(syscall(SYS_gettid));
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, tid);
    if (current == -1 && errno != 0)
        return;
    setpriority(PRIO_PROCESS, tid, current + niceOffset[priority]);
}

} // namespace KavoOS
