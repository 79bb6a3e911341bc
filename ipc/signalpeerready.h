#pragma once

#include <string>

namespace kvds {

// Posts the ready signal a launcher may be waiting on for this process: the
// named event "{83AB5D5B-695E-4879-8049-63EB7C0F542A}" followed by the
// process id in lower-case hex (elsewhere a named semaphore of that name
// with a leading "/"). Opened, never created: false when nobody waits.
bool SignalPeerReady();

// The name of that event or semaphore for a process id.
std::string PeerReadyName(unsigned long processId);

} // namespace kvds
