#include "plugin/plugin.h"

#include "plugin/plugincontext.h"

namespace Orbe {

int Plugin::release()
{
    const int count = --m_refCount;
    if (count == 0) {
        PluginContext *context = m_context;
        if (context)
            context->pluginReleasing(this);
        delete this;
        if (context)
            context->pluginReleased(this);
    }
    return count;
}

} // namespace Orbe
