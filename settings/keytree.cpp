#include "settings/keytree.h"

#include "settings/registry.h"

#include <vector>

namespace kvds {

bool DeleteKeyTree(const kvtl::WString &path, std::optional<kvreg::Root> openedRoot)
{
    if (path.find(u"SOFTWARE\\Kavo\\") == kvtl::WString::npos || !openedRoot)
        return false;
    if (*openedRoot == kvreg::Root::CurrentUser)
        return kvreg::DeleteTree(kvreg::Root::CurrentUser, path) == ERROR_SUCCESS;
    return DeleteMachineKeyTree(path, &kvreg::DeleteKey);
}

bool DeleteMachineKeyTree(const kvtl::WString &path, DeleteKeyFunction deleteKey)
{
    kvreg::RegKey key;
    if (kvreg::OpenKey(kvreg::Root::LocalMachine, path, kvreg::Access::ReadWrite, key) != ERROR_SUCCESS)
        return false;
    uint32_t count = 0;
    uint32_t longest = 0;
    if (kvreg::QueryInfoKey(key, &count, &longest, nullptr) != ERROR_SUCCESS)
        return false;
    std::vector<char16_t> name(longest + 1, u'\0');
    for (uint32_t index = count; index-- > 0;) {
        uint32_t length = static_cast<uint32_t>(name.size());
        if (kvreg::EnumKey(key, index, name.data(), &length) != ERROR_SUCCESS)
            continue;
        if (!DeleteMachineKeyTree(path + u'\\' + kvtl::WString(name.data(), length), deleteKey))
            return false;
    }
    key.Close();
    return deleteKey(kvreg::Root::LocalMachine, path) == ERROR_SUCCESS;
}

} // namespace kvds
