#include "pane/devicepane.h"

#include "plugin/interfaceids.h"

#include <QTimer>

namespace Zarnet {

DevicePane::DevicePane(Orbe::PluginContext *context)
    : QObject(nullptr)
    , Orbe::Plugin(context)
    , mediaServerLock(new QMutex)
    , pollTimer(new QTimer)
{
}

DevicePane::~DevicePane()
{
    pollTimer->stop();
    mediaServerIpc.reset();
    delete pollTimer;
    pollTimer = nullptr;
    delete mediaServerLock;
    mediaServerLock = nullptr;
    deviceIpc.reset();
}

int DevicePane::queryInterface(const Orbe::String &id, void **out)
{
    if (!out)
        return Orbe::NothingToDo;
    *out = nullptr;
    if (id == Orbe::menuInterfaceId()) {
        *out = static_cast<MenuInterface *>(this);
        return Orbe::Ok;
    }
    if (id == Orbe::toolBarInterfaceId()) {
        *out = static_cast<ToolBarInterface *>(this);
        return Orbe::Ok;
    }
    return Orbe::NotFound;
}

QObject *DevicePane::menuObject()
{
    return this;
}

QStringList DevicePane::toolBarItems(QString group)
{
    if (group == QLatin1String("ControlButtons"))
        return {QStringLiteral("ShowDeviceMenu"), QStringLiteral("Streaming")};
    return {};
}

void DevicePane::setupToolBarItem(QString name, QToolButton *button)
{
    Q_UNUSED(name);
    Q_UNUSED(button);
}

void DevicePane::OnMessage(const std::string &sender, const std::string &topic, unsigned length,
                           const void *data)
{
    Q_UNUSED(sender);
    Q_UNUSED(topic);
    Q_UNUSED(length);
    Q_UNUSED(data);
}

} // namespace Zarnet
