#include "host/playerplugincontext.h"

#include "plugin/plugin.h"

#include <QLibrary>

#include <algorithm>
#include <mutex>

PlayerPluginContext::PlayerPluginContext() = default;

// The QLibrary objects are dropped without unload(), so the code stays mapped.
PlayerPluginContext::~PlayerPluginContext()
{
    for (QLibrary *library : m_libraries)
        delete library;
}

Orbe::PluginInfo *PlayerPluginContext::addKnownPlugin(
    const QString &name, const QString &libraryPath, const QStringList &interfaceIds)
{
    std::lock_guard<boost::recursive_mutex> lock(m_mutex);
    Orbe::PluginInfo &record = m_known.emplace_back();
    record.name = Orbe::String(name.toUtf8().constData());
    record.libraryPath = Orbe::String(libraryPath.toUtf8().constData());
    for (const QString &id : interfaceIds)
        record.interfaceIds.emplace_back(id.toUtf8().constData());
    return &record;
}

void PlayerPluginContext::addLoadedPlugin(Orbe::Plugin *plugin)
{
    if (!plugin)
        return;
    std::lock_guard<boost::recursive_mutex> lock(m_mutex);
    if (std::find(m_loaded.begin(), m_loaded.end(), plugin) == m_loaded.end())
        m_loaded.push_back(plugin);
}

void PlayerPluginContext::removeLoadedPlugin(Orbe::Plugin *plugin)
{
    std::lock_guard<boost::recursive_mutex> lock(m_mutex);
    m_loaded.erase(std::remove(m_loaded.begin(), m_loaded.end(), plugin), m_loaded.end());
}

void PlayerPluginContext::setEntryResolver(EntryResolver resolver)
{
    m_resolver = std::move(resolver);
}

std::vector<Orbe::Plugin *> PlayerPluginContext::loadedPlugins()
{
    std::lock_guard<boost::recursive_mutex> lock(m_mutex);
    return m_loaded;
}

std::vector<Orbe::PluginInfo *> PlayerPluginContext::knownPlugins()
{
    std::lock_guard<boost::recursive_mutex> lock(m_mutex);
    std::vector<Orbe::PluginInfo *> records;
    records.reserve(m_known.size());
    for (Orbe::PluginInfo &record : m_known)
        records.push_back(&record);
    return records;
}

PlayerPluginContext::GetPluginFunction PlayerPluginContext::resolveFromLibrary(
    const Orbe::PluginInfo &record, QString *error)
{
    const QString path = QString::fromUtf8(record.libraryPath.c_str());
    if (path.isEmpty()) {
        *error = QStringLiteral("the plug-in %1 has no library").arg(QString::fromUtf8(record.name.c_str()));
        return nullptr;
    }
    auto library = std::make_unique<QLibrary>(path);
    if (!library->load()) {
        *error = library->errorString();
        return nullptr;
    }
    auto entry = reinterpret_cast<GetPluginFunction>(library->resolve("_getPlugin"));
    if (!entry) {
        *error = QStringLiteral("%1 has no entry _getPlugin").arg(path);
        return nullptr;
    }
    m_libraries.push_back(library.release());
    return entry;
}

int PlayerPluginContext::loadPlugin(Orbe::PluginInfo *record, Orbe::Plugin **out)
{
    if (!out)
        return Orbe::NothingToDo;
    *out = nullptr;
    m_error.clear();
    if (!record) {
        m_error = QStringLiteral("no plug-in record");
        return Orbe::NotFound;
    }
    {
        // One object per record: a second request shares the first.
        std::lock_guard<boost::recursive_mutex> lock(m_mutex);
        for (Orbe::Plugin *plugin : m_loaded) {
            if (plugin->pluginInfo() == record) {
                plugin->addRef();
                *out = plugin;
                return Orbe::Ok;
            }
        }
    }
    const GetPluginFunction entry
        = m_resolver ? m_resolver(*record, &m_error) : resolveFromLibrary(*record, &m_error);
    if (!entry) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("no entry for the plug-in");
        return Orbe::NotFound;
    }
    Orbe::Plugin *plugin = nullptr;
    const int code = entry(this, &plugin);
    if (code != Orbe::Ok || !plugin) {
        m_error = QStringLiteral("_getPlugin gave no plug-in (code %1)").arg(code);
        return code != Orbe::Ok ? code : Orbe::NotFound;
    }
    plugin->setPluginInfo(record);
    addLoadedPlugin(plugin);
    *out = plugin;
    return Orbe::Ok;
}

void PlayerPluginContext::pluginReleasing(Orbe::Plugin *plugin)
{
    removeLoadedPlugin(plugin);
}

void PlayerPluginContext::pluginReleased(Orbe::Plugin *plugin)
{
    // Only an identity by now: the object is gone.
    std::lock_guard<boost::recursive_mutex> lock(m_mutex);
    m_released.push_back(plugin);
}
