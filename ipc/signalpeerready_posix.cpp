#include "ipc/signalpeerready.h"

#include <cstdio>

#include <fcntl.h>
#include <semaphore.h>
#include <unistd.h>

namespace kvds {

std::string PeerReadyName(unsigned long processId)
{
    char name[260];
    std::snprintf(name, sizeof name, "/%s%lx", "{83AB5D5B-695E-4879-8049-63EB7C0F542A}", processId);
    return name;
}

bool SignalPeerReady()
{
    sem_t *ready = sem_open(PeerReadyName(static_cast<unsigned long>(getpid())).c_str(), 0);
    if (ready == SEM_FAILED)
        return false;
    sem_post(ready);
    sem_close(ready);
    return true;
}

} // namespace kvds
