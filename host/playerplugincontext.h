#pragma once

#include "plugin/plugincontext.h"
#include "plugin/plugininfo.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <list>
#include <memory>
#include <vector>

class QLibrary;

// The player's side of the plug-in framework: the loaded plug-ins, the records
// it knows, the lock the plug-ins take while filtering, and loading by path.
class PlayerPluginContext : public Orbe::PluginContext
{
public:
    using GetPluginFunction = int (*)(Orbe::PluginContext *, Orbe::Plugin **);
    // Finds the entry of a record's library; null and a reason when it cannot.
    using EntryResolver = std::function<GetPluginFunction(const Orbe::PluginInfo &record, QString *error)>;

    PlayerPluginContext();
    ~PlayerPluginContext() override;
    PlayerPluginContext(const PlayerPluginContext &) = delete;
    PlayerPluginContext &operator=(const PlayerPluginContext &) = delete;

    // The record lives as long as the context.
    Orbe::PluginInfo *addKnownPlugin(
        const QString &name, const QString &libraryPath, const QStringList &interfaceIds);
    // A plug-in the host made itself; it stays listed until released or removed.
    void addLoadedPlugin(Orbe::Plugin *plugin);
    void removeLoadedPlugin(Orbe::Plugin *plugin);
    // Tests put their own entries in place of the libraries.
    void setEntryResolver(EntryResolver resolver);

    // Why the last loadPlugin failed.
    QString errorString() const { return m_error; }
    // Identities seen by pluginReleased, oldest first.
    const std::vector<const void *> &releasedPlugins() const { return m_released; }

    std::vector<Orbe::Plugin *> loadedPlugins() override;
    std::vector<Orbe::PluginInfo *> knownPlugins() override;
    boost::recursive_mutex &mutex() override { return m_mutex; }
    int loadPlugin(Orbe::PluginInfo *record, Orbe::Plugin **out) override;
    void pluginReleasing(Orbe::Plugin *plugin) override;
    void pluginReleased(Orbe::Plugin *plugin) override;

private:
    GetPluginFunction resolveFromLibrary(const Orbe::PluginInfo &record, QString *error);

    boost::recursive_mutex m_mutex;
    std::vector<Orbe::Plugin *> m_loaded;
    std::list<Orbe::PluginInfo> m_known;
    // Never unloaded while the process runs: a plug-in's widgets may outlive
    // its object; the libraries go at exit.
    std::vector<QLibrary *> m_libraries;
    std::vector<const void *> m_released;
    EntryResolver m_resolver;
    QString m_error;
};
