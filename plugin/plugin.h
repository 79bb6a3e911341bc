#pragma once

#include "plugin/orbestring.h"

namespace Orbe {

class PluginContext;
struct PluginInfo;

// Framework codes: 0 success, 1 nothing to do or bad argument, 3 not found or refused.
enum Result { Ok = 0, NothingToDo = 1, NotFound = 3 };

// Base of every plug-in object. The count starts at 1 (the creator's).
class Plugin
{
public:
    explicit Plugin(PluginContext *context)
        : m_context(context)
    {
    }
    Plugin(const Plugin &) = delete;
    Plugin &operator=(const Plugin &) = delete;
    virtual ~Plugin() = default;

    virtual int addRef() { return ++m_refCount; }
    // Deletes the object when the count reaches 0, between the context's
    // pluginReleasing and pluginReleased notifications.
    virtual int release();
    virtual int refCount() { return m_refCount; }
    virtual PluginInfo *pluginInfo() { return m_info; }
    virtual PluginContext *context() { return m_context; }
    virtual int queryInterface(const String &id, void **out) = 0;

    // The host records here the information it loaded the plug-in from.
    void setPluginInfo(PluginInfo *info) { m_info = info; }

private:
    int m_refCount = 1;
    PluginContext *m_context;
    PluginInfo *m_info = nullptr;
};

} // namespace Orbe
