#pragma once

#include "plugin/orbestring.h"

namespace Orbe {

struct PluginInfo;
class PluginContext;
class Plugin;

// Passes a record that lists the given interface id.
class PluginInterfaceFilter
{
public:
    explicit PluginInterfaceFilter(const String &id)
        : m_id(id)
    {
    }
    bool operator()(const PluginInfo *info) const;

private:
    String m_id;
};

// Holds for (current, candidate) when the candidate's record compares
// strictly lower as an unsigned value; ties keep the earlier candidate.
struct SimplePluginInfoSelector
{
    bool operator()(const PluginInfo *current, const PluginInfo *candidate) const;
};

// Finds a loaded provider (or, with allowLoad, loads a known one) and hands
// it out with one reference. 0 found, 1 null out, 3 none, else loadPlugin's code.
int findPlugin(PluginContext *context, Plugin **out, const PluginInterfaceFilter &filter, bool allowLoad);

} // namespace Orbe
