#include "plugin/plugininterfaceref.h"

#include "plugin/plugin.h"
#include "plugin/pluginfilter.h"

int PluginInterfaceRef::acquire(
    Orbe::PluginContext *context, const Orbe::PluginInterfaceFilter &filter, bool allowLoad)
{
    if (m_interface)
        return Orbe::NothingToDo;
    Orbe::Plugin *provider = nullptr;
    if (Orbe::findPlugin(context, &provider, filter, allowLoad) == Orbe::Ok && provider) {
        m_provider = provider;
        if (provider->queryInterface(m_id, &m_interface) == Orbe::Ok && m_interface)
            return Orbe::Ok;
    }
    if (provider)
        provider->release();
    m_provider = nullptr;
    m_interface = nullptr;
    return Orbe::NotFound;
}

void PluginInterfaceRef::reset()
{
    if (m_provider)
        m_provider->release();
    m_provider = nullptr;
    m_interface = nullptr;
    m_id = Orbe::String();
}
