#pragma once

#include "plugin/menuinterface.h"
#include "plugin/plugin.h"
#include "plugin/toolbarinterface.h"

#include <QObject>
#include <QStringList>

// A plug-in that writes down every call the player makes, in order, and the
// "context" of the command behind each slot it is asked to run.
class FakePane : public QObject, public MenuInterface, public ToolBarInterface, public Orbe::Plugin
{
    Q_OBJECT

public:
    static QStringList &calls();
    static int entry(Orbe::PluginContext *context, Orbe::Plugin **out);

    explicit FakePane(Orbe::PluginContext *context);
    ~FakePane() override;

    int queryInterface(const Orbe::String &id, void **out) override;
    QObject *menuObject() override;
    QStringList toolBarItems(QString group) override;
    void setupToolBarItem(QString name, QToolButton *button) override;

    static bool offerMenu;

public slots:
    void toggleDevicePane();
    void burnFilesSlot();
    void launchKMSClicked();
    void streamToSlot();
};
