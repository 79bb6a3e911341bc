#pragma once

#include "ipc/textconvert.h"
#include "settings/regkey.h"
#include "settings/regtypes.h"

#include <cstdint>

// The two-hive registry. Paths are relative to a root and separated by
// backslashes; names keep their case and compare without it. The calls
// follow their Win32 namesakes: results are Win32 error numbers, sizes are
// in bytes, name lengths in UTF-16 units without the terminating zero.
namespace kvreg {

Status OpenKey(Root root, const kvtl::WString &path, Access access, RegKey &out);
Status CreateKey(Root root, const kvtl::WString &path, RegKey &out);

// With data null only type and size are reported. A buffer smaller than the
// value gives ERROR_MORE_DATA with the needed size, and nothing copied.
Status QueryValue(const RegKey &key, const kvtl::WString &name, uint32_t *type, void *data, uint32_t *size);
Status SetValue(const RegKey &key, const kvtl::WString &name, uint32_t type, const void *data, uint32_t size);
Status DeleteValue(const RegKey &key, const kvtl::WString &name);

Status QueryInfoKey(const RegKey &key, uint32_t *subKeys, uint32_t *maxSubKeyLength, uint32_t *values);
// nameLength: in, the buffer's size in units; out, the name's length.
Status EnumKey(const RegKey &key, uint32_t index, char16_t *name, uint32_t *nameLength);
Status EnumValue(const RegKey &key, uint32_t index, char16_t *name, uint32_t *nameLength, uint32_t *type);

// DeleteKey removes a key that has no subkeys; DeleteTree removes a key with
// everything below it. Neither removes a root.
Status DeleteKey(Root root, const kvtl::WString &path);
Status DeleteTree(Root root, const kvtl::WString &path);

} // namespace kvreg
