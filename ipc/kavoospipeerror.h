#pragma once

#include "ipc/kavoos.h"

// Further Win32 codes the named pipes leave as the last error. The endpoint
// treats every code other than 0, 109, 233, 536 and 995 as a read error that
// does not end the reader.
namespace KavoOS {

constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorNotEnoughMemory = 8;
constexpr uint32_t kErrorInvalidData = 13;
constexpr uint32_t kErrorGenFailure = 31;
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorSemTimeout = 121;
constexpr uint32_t kErrorInvalidName = 123;
constexpr uint32_t kErrorFilenameExcedRange = 206;
constexpr uint32_t kErrorMoreData = 234;
// The pipe was closed on this side while a read or write was in progress.
constexpr uint32_t kErrorOperationAborted = 995;

} // namespace KavoOS
