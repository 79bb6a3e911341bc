#pragma once

#include <memory>

namespace kvreg {

// An open key. Copies share one handle, closed with the last of them; a
// handle to a key that another handle deleted stays valid but its
// operations fail, as in the registry.
class RegKey
{
public:
    // The back end's handle: a row of a hive file, or an HKEY.
    struct Native;

    RegKey() = default;
    explicit RegKey(std::shared_ptr<Native> native)
        : m_native(std::move(native))
    {
    }

    bool IsOpen() const { return m_native != nullptr; }
    void Close() { m_native.reset(); }
    Native *native() const { return m_native.get(); }

private:
    std::shared_ptr<Native> m_native;
};

} // namespace kvreg
