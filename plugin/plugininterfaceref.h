#pragma once

#include "plugin/orbestring.h"

namespace Orbe {
class Plugin;
class PluginContext;
class PluginInterfaceFilter;
} // namespace Orbe

// One host interface the pane uses: its id, the providing plug-in (one
// reference held while set) and the interface pointer.
class PluginInterfaceRef
{
public:
    explicit PluginInterfaceRef(const Orbe::String &id)
        : m_id(id)
    {
    }
    PluginInterfaceRef(const PluginInterfaceRef &) = delete;
    PluginInterfaceRef &operator=(const PluginInterfaceRef &) = delete;
    ~PluginInterfaceRef() { reset(); }

    // 0 acquired, 1 already held, 3 no provider or refused.
    int acquire(Orbe::PluginContext *context, const Orbe::PluginInterfaceFilter &filter, bool allowLoad);
    void reset();

    const Orbe::String &id() const { return m_id; }
    Orbe::Plugin *provider() const { return m_provider; }
    void *interface() const { return m_interface; }
    template <class T> T *as() const { return static_cast<T *>(m_interface); }

private:
    Orbe::String m_id;
    Orbe::Plugin *m_provider = nullptr;
    void *m_interface = nullptr;
};
