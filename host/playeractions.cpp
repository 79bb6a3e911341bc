#include "host/playeractions.h"

#include "zrt/commonmenubar.h"

#include <QAction>
#include <QMenu>

using Zarnet::CommonMenuBar;

const char *const PlayerActions::PlaybackContext = "playback_context";
const char *const PlayerActions::LibraryContext = "library_context";

namespace {
const unsigned ContextActions[] = { CommonMenuBar::TransferTo, CommonMenuBar::Burn, CommonMenuBar::StreamTo };
} // namespace

PlayerActions::PlayerActions(QObject *parent)
    : QObject(parent)
{
    const struct
    {
        unsigned id;
        const char *text;
        const char *objectName;
    } table[] = {
        { CommonMenuBar::ShowDevicePane, QT_TR_NOOP("Show Kavo To Go"), "ShowDevicePaneAction" },
        { CommonMenuBar::HideDevicePane, QT_TR_NOOP("Hide Kavo To Go"), "HideDevicePaneAction" },
        { CommonMenuBar::TransferTo, QT_TR_NOOP("Transfer to"), "TransferToAction" },
        { CommonMenuBar::Burn, QT_TR_NOOP("Burn to Disc\u2026"), "BurnAction" },
        { CommonMenuBar::MediaServerSettings, QT_TR_NOOP("Media Server Settings\u2026"),
            "MediaServerSettingsAction" },
        { CommonMenuBar::StreamTo, QT_TR_NOOP("Stream to Media Server"), "StreamToAction" },
    };
    for (const auto &entry : table) {
        auto *action = new QAction(tr(entry.text), this);
        action->setObjectName(QLatin1String(entry.objectName));
        m_actions.insert(entry.id, action);
        CommonMenuBar::setAction(entry.id, action);
    }
    setContext(LibraryContext);
}

PlayerActions::~PlayerActions()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        if (CommonMenuBar::getAction(it.key()) == it.value())
            CommonMenuBar::setAction(it.key(), nullptr);
    }
}

void PlayerActions::useInMenu(QMenu *menu, const char *context)
{
    // Set while the menu opens: the same action objects sit in several menus.
    connect(menu, &QMenu::aboutToShow, this, [this, context] { setContext(context); });
}

void PlayerActions::setContext(const char *context)
{
    for (unsigned id : ContextActions)
        m_actions.value(id)->setProperty("context", QString::fromLatin1(context));
}

void PlayerActions::setPluginAvailable(bool available)
{
    for (QAction *action : std::as_const(m_actions))
        action->setEnabled(available);
}

const QList<PlayerActions::PaneSlot> &PlayerActions::paneSlots()
{
    static const QList<PaneSlot> table {
        { CommonMenuBar::ShowDevicePane, SLOT(toggleDevicePane()) },
        { CommonMenuBar::HideDevicePane, SLOT(toggleDevicePane()) },
        { CommonMenuBar::Burn, SLOT(burnFilesSlot()) },
        { CommonMenuBar::MediaServerSettings, SLOT(launchKMSClicked()) },
        { CommonMenuBar::StreamTo, SLOT(streamToSlot()) },
    };
    return table;
}
