#pragma once

#include "ipc/ikavoipc.h"
#include "ipc/refcountedptr.h"

#include <map>
#include <string>
#include <vector>

namespace kvds {

// An endpoint's subscriptions: topic prefix → callbacks in registration
// order. The list holds its own references.
using CallbackList = std::vector<kvtl::RefCountedPtr_STLSafe<IKavoIPCCallback>>;
using CallbackTable = std::map<std::string, CallbackList>;

// Adds cb under prefix, after the others or in their place. Out of memory,
// it answers false and the table is as it was.
inline bool AddCallback(CallbackTable &table, const std::string &prefix, IKavoIPCCallback *cb, bool append)
{
    try {
        CallbackList &list = table[prefix];
        CallbackList replacement;
        if (append)
            replacement = list;
        replacement.emplace_back(cb);
        list.swap(replacement);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace kvds
