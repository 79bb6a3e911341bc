#pragma once

#include <QHash>
#include <QObject>

class QAction;
class QMenu;

// The player's numbered commands that plug-ins fetch by number: shown once,
// registered with the player library's menu table, and told through their
// "context" property which menu they are being used from.
class PlayerActions : public QObject
{
    Q_OBJECT

public:
    static const char *const PlaybackContext; // "playback_context"
    static const char *const LibraryContext; // "library_context"

    // The action the pane's slot is connected to, by name.
    struct PaneSlot
    {
        unsigned actionId;
        const char *slot; // as SLOT() writes it
    };

    explicit PlayerActions(QObject *parent = nullptr);
    ~PlayerActions() override;

    QAction *action(unsigned id) const { return m_actions.value(id); }
    // Actions 2010, 2015 and 2017 take this menu's context while it opens.
    void useInMenu(QMenu *menu, const char *context);
    // Sets the context of 2010, 2015 and 2017 at once.
    void setContext(const char *context);
    // Enables or disables every action the plug-in serves.
    void setPluginAvailable(bool available);

    static const QList<PaneSlot> &paneSlots();

private:
    QHash<unsigned, QAction *> m_actions;
};
