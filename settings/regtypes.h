#pragma once

#include <cstdint>

// Registry vocabulary in the Win32 names and numbering, so values read from
// a hive mean the same as the registry's. On Windows the names are the
// system's own macros; elsewhere they are constants here, reachable
// unqualified as well, so code spelled for one builds on the other.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace kvreg {

using Status = long;

#ifndef _WIN32
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
#endif

// The registry's own limits: key names up to 255 units, value names 16383,
// data up to 1 MiB is plenty for settings (the registry allows more).
constexpr uint32_t MaxKeyNameLength = 255;
constexpr uint32_t MaxValueNameLength = 16383;
constexpr uint32_t MaxValueSize = 1u << 20;

enum class Root { CurrentUser, LocalMachine };

enum class Access { Read, ReadWrite };

} // namespace kvreg

#ifndef _WIN32
using kvreg::ERROR_ACCESS_DENIED;
using kvreg::ERROR_BADDB;
using kvreg::ERROR_BUSY;
using kvreg::ERROR_FILE_NOT_FOUND;
using kvreg::ERROR_INVALID_HANDLE;
using kvreg::ERROR_INVALID_PARAMETER;
using kvreg::ERROR_KEY_DELETED;
using kvreg::ERROR_MORE_DATA;
using kvreg::ERROR_NO_MORE_ITEMS;
using kvreg::ERROR_OUTOFMEMORY;
using kvreg::ERROR_SUCCESS;
using kvreg::REG_BINARY;
using kvreg::REG_DWORD;
using kvreg::REG_EXPAND_SZ;
using kvreg::REG_MULTI_SZ;
using kvreg::REG_NONE;
using kvreg::REG_QWORD;
using kvreg::REG_SZ;
#endif
