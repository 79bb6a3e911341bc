#include "host/pluginsession.h"

#include "host/playerplugincontext.h"
#include "plugin/interfaceids.h"
#include "plugin/menuinterface.h"
#include "plugin/plugin.h"
#include "plugin/toolbarinterface.h"

#include <QAction>
#include <QMetaObject>
#include <QObject>
#include <QToolButton>

PluginSession::~PluginSession()
{
    close();
}

bool PluginSession::open(PlayerPluginContext &context, Orbe::PluginInfo *record,
    const ButtonFactory &makeButton, const QList<Binding> &bindings)
{
    close();
    m_error.clear();
    m_unbound.clear();

    Orbe::Plugin *plugin = nullptr;
    if (context.loadPlugin(record, &plugin) != Orbe::Ok || !plugin) {
        m_error = context.errorString();
        return false;
    }
    void *menuPart = nullptr;
    void *toolBarPart = nullptr;
    const int menuCode = plugin->queryInterface(Orbe::menuInterfaceId(), &menuPart);
    const int toolBarCode = plugin->queryInterface(Orbe::toolBarInterfaceId(), &toolBarPart);
    if (menuCode != Orbe::Ok || !menuPart || toolBarCode != Orbe::Ok || !toolBarPart) {
        m_error = QStringLiteral("the plug-in offers no menu or tool-bar interface");
        plugin->release();
        return false;
    }
    m_plugin = plugin;
    auto *menu = static_cast<MenuInterface *>(menuPart);
    auto *toolBar = static_cast<ToolBarInterface *>(toolBarPart);

    m_items = toolBar->toolBarItems(QStringLiteral("ControlButtons"));
    for (const QString &item : std::as_const(m_items)) {
        QToolButton *button = makeButton(item);
        if (!button)
            continue;
        m_buttons << button;
        toolBar->setupToolBarItem(item, button);
    }

    m_menuObject = menu->menuObject();
    for (const Binding &binding : bindings) {
        if (!binding.action || !m_menuObject)
            continue;
        // SLOT() puts a code digit before the signature.
        const QByteArray signature = QMetaObject::normalizedSignature(binding.slot + 1);
        if (m_menuObject->metaObject()->indexOfSlot(signature.constData()) < 0) {
            m_unbound << QString::fromLatin1(signature);
            continue;
        }
        QObject::connect(binding.action, SIGNAL(triggered()), m_menuObject, binding.slot);
    }
    return true;
}

void PluginSession::close()
{
    Orbe::Plugin *plugin = m_plugin;
    m_plugin = nullptr;
    m_menuObject = nullptr;
    m_buttons.clear();
    m_items.clear();
    if (plugin)
        plugin->release();
}
