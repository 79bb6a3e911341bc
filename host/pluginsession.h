#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class MenuInterface;
class PlayerPluginContext;
class QAction;
class QObject;
class QToolButton;
class ToolBarInterface;

namespace Orbe {
class Plugin;
struct PluginInfo;
} // namespace Orbe

// One plug-in as the player drives it: loaded through the context, asked for
// its menu and tool-bar parts, given one button per tool-bar item, its slots
// wired to the player's actions, and released when the player closes.
class PluginSession
{
public:
    // Makes the button for one tool-bar item; the caller owns it.
    using ButtonFactory = std::function<QToolButton *(const QString &item)>;
    struct Binding
    {
        QAction *action;
        const char *slot; // as SLOT() writes it
    };

    PluginSession() = default;
    ~PluginSession();
    PluginSession(const PluginSession &) = delete;
    PluginSession &operator=(const PluginSession &) = delete;

    // False, with a reason, when the plug-in cannot be loaded or lacks its
    // menu or tool-bar part; nothing is kept then.
    bool open(PlayerPluginContext &context, Orbe::PluginInfo *record, const ButtonFactory &makeButton,
        const QList<Binding> &bindings);
    // Drops the player's reference; the plug-in goes when it was the last.
    void close();

    bool isOpen() const { return m_plugin != nullptr; }
    QString errorString() const { return m_error; }
    QObject *menuObject() const { return m_menuObject; }
    QStringList toolBarItems() const { return m_items; }
    QList<QToolButton *> buttons() const { return m_buttons; }
    // Bindings whose slot the menu object lacks.
    QStringList unboundSlots() const { return m_unbound; }

private:
    Orbe::Plugin *m_plugin = nullptr;
    QObject *m_menuObject = nullptr;
    QStringList m_items;
    QList<QToolButton *> m_buttons;
    QStringList m_unbound;
    QString m_error;
};
