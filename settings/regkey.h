#pragma once

#include <cstdint>
#include <memory>

namespace kvreg {

class Hive;

// An open key: the hive it lives in, its row and the access it was opened
// with. Closing only drops the reference; a handle to a key that another
// handle deleted stays valid but its operations fail, as in the registry.
class RegKey
{
public:
    RegKey() = default;
    RegKey(std::shared_ptr<Hive> hive, int64_t id, bool writable)
        : m_hive(std::move(hive)), m_id(id), m_writable(writable) {}

    bool IsOpen() const { return m_hive != nullptr; }
    void Close() { m_hive.reset(); m_id = 0; m_writable = false; }

    Hive *hive() const { return m_hive.get(); }
    int64_t id() const { return m_id; }
    bool writable() const { return m_writable; }

private:
    std::shared_ptr<Hive> m_hive;
    int64_t m_id = 0;
    bool m_writable = false;
};

} // namespace kvreg
