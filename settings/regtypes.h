#pragma once

#include <cstdint>

// Registry vocabulary kept in the Win32 numbering, so values read from a hive
// mean the same as the registry's and a Win32 backend can slot in later.
namespace kvreg {

using Status = long;

constexpr Status ERROR_SUCCESS = 0;
constexpr Status ERROR_FILE_NOT_FOUND = 2;
constexpr Status ERROR_ACCESS_DENIED = 5;
constexpr Status ERROR_INVALID_HANDLE = 6;
constexpr Status ERROR_OUTOFMEMORY = 14;
constexpr Status ERROR_INVALID_PARAMETER = 87;
constexpr Status ERROR_MORE_DATA = 234;
constexpr Status ERROR_NO_MORE_ITEMS = 259;
constexpr Status ERROR_BADDB = 1009;
constexpr Status ERROR_KEY_DELETED = 1018;
constexpr Status ERROR_BUSY = 170;

constexpr uint32_t REG_NONE = 0;
constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_EXPAND_SZ = 2;
constexpr uint32_t REG_BINARY = 3;
constexpr uint32_t REG_DWORD = 4;
constexpr uint32_t REG_MULTI_SZ = 7;
constexpr uint32_t REG_QWORD = 11;

// The registry's own limits: key names up to 255 units, value names 16383,
// data up to 1 MiB is plenty for settings (the registry allows more).
constexpr uint32_t MaxKeyNameLength = 255;
constexpr uint32_t MaxValueNameLength = 16383;
constexpr uint32_t MaxValueSize = 1u << 20;

enum class Root { CurrentUser, LocalMachine };

enum class Access { Read, ReadWrite };

} // namespace kvreg
