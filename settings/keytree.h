#pragma once

#include "ipc/textconvert.h"
#include "settings/regtypes.h"

#include <optional>

namespace kvds {

// Deletes one key that has no subkeys (the registry's RegDeleteKeyEx).
using DeleteKeyFunction = kvreg::Status (*)(kvreg::Root root, const kvtl::WString &path);

// Deletes path with its subkeys in the hive that last opened it. Refuses any
// path outside SOFTWARE\Kavo\ and an object that was never opened.
bool DeleteKeyTree(const kvtl::WString &path, std::optional<kvreg::Root> openedRoot);

// The machine hive is deleted leaf first, one key at a time; the first
// failure stops the walk, and what was deleted before stays deleted.
bool DeleteMachineKeyTree(const kvtl::WString &path, DeleteKeyFunction deleteKey);

} // namespace kvds
