#pragma once

#include <cstdint>

// The operating system's last error code of the calling thread, with the
// Win32 numbers the IPC layer reports and its callers classify. A copy of its
// own on Windows too, taken from ::GetLastError where a call fails: the
// thread and lock calls of the C++ runtime clear the system's code on the way
// back to the caller.
namespace KavoOS {

constexpr uint32_t kErrorSuccess = 0;
constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorBrokenPipe = 109;
constexpr uint32_t kErrorPipeBusy = 231;
constexpr uint32_t kErrorPipeNotConnected = 233;
constexpr uint32_t kErrorPipeListening = 536;

uint32_t GetLastError();
void SetLastError(uint32_t code);

} // namespace KavoOS
