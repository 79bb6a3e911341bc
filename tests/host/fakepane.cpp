#include "tests/host/fakepane.h"

#include "plugin/interfaceids.h"
#include "zrt/commonmenubar.h"

#include <QAction>
#include <QToolButton>

bool FakePane::offerMenu = true;

QStringList &FakePane::calls()
{
    static QStringList list;
    return list;
}

int FakePane::entry(Orbe::PluginContext *context, Orbe::Plugin **out)
{
    calls() << QStringLiteral("_getPlugin");
    *out = new FakePane(context);
    return Orbe::Ok;
}

FakePane::FakePane(Orbe::PluginContext *context)
    : Orbe::Plugin(context)
{
}

FakePane::~FakePane()
{
    calls() << QStringLiteral("deleted");
}

int FakePane::queryInterface(const Orbe::String &id, void **out)
{
    *out = nullptr;
    if (id == Orbe::menuInterfaceId()) {
        calls() << QStringLiteral("queryInterface Menu");
        if (!offerMenu)
            return Orbe::NotFound;
        *out = static_cast<MenuInterface *>(this);
        return Orbe::Ok;
    }
    if (id == Orbe::toolBarInterfaceId()) {
        calls() << QStringLiteral("queryInterface ToolBar");
        *out = static_cast<ToolBarInterface *>(this);
        return Orbe::Ok;
    }
    calls() << QStringLiteral("queryInterface ") + QString::fromLatin1(id.c_str());
    return Orbe::NotFound;
}

QObject *FakePane::menuObject()
{
    calls() << QStringLiteral("menuObject");
    return this;
}

QStringList FakePane::toolBarItems(QString group)
{
    calls() << QStringLiteral("toolBarItems ") + group;
    if (group == QLatin1String("ControlButtons"))
        return { QStringLiteral("ShowDeviceMenu"), QStringLiteral("Streaming") };
    return {};
}

void FakePane::setupToolBarItem(QString name, QToolButton *button)
{
    calls() << QStringLiteral("setupToolBarItem %1 %2")
                   .arg(name, button ? button->objectName() : QStringLiteral("null"));
}

namespace {
QString contextOf(unsigned id)
{
    QAction *action = Zarnet::CommonMenuBar::getAction(id);
    return action ? action->property("context").toString() : QStringLiteral("no action");
}
} // namespace

void FakePane::toggleDevicePane()
{
    calls() << QStringLiteral("toggleDevicePane");
}

void FakePane::burnFilesSlot()
{
    calls() << QStringLiteral("burnFilesSlot ") + contextOf(Zarnet::CommonMenuBar::Burn);
}

void FakePane::launchKMSClicked()
{
    calls() << QStringLiteral("launchKMSClicked");
}

void FakePane::streamToSlot()
{
    calls() << QStringLiteral("streamToSlot ") + contextOf(Zarnet::CommonMenuBar::StreamTo);
}
