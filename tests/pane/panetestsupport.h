#pragma once

#include "pane/devicepane.h"
#include "tests/common/scriptedrunner.h"
#include "tests/pane/fakehost.h"
#include "zrt/commonmenubar.h"
#include "zrt/transferwizard.h"
#include "zrt/zrttoolbarbutton.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QUrl>

#include <memory>

struct TransferCall
{
    QList<QUrl> urls;
    unsigned target;
};

// A pane set up the way the host sets it up: host actions registered, both
// tool-bar items given buttons, dialogs answered by the runner, and wizard
// calls recorded.
class PaneHarness
{
public:
    PaneHarness()
    {
        Zarnet::TransferWizard::setHook([this](const QList<QUrl> &urls, const QString &, unsigned target) {
            transfers.push_back({ urls, target });
            return 0;
        });
        for (unsigned id : { 1240u, 1241u, 2010u, 2015u, 2016u, 2017u }) {
            auto *action = new QAction(QString::number(id), &actionOwner);
            Zarnet::CommonMenuBar::setAction(id, action);
        }
    }
    ~PaneHarness()
    {
        if (pane)
            pane->release();
        Zarnet::TransferWizard::setHook(nullptr);
    }

    Zarnet::DevicePane *create()
    {
        pane = new Zarnet::DevicePane(&host);
        return pane;
    }

    Zarnet::DevicePane *setUp()
    {
        create();
        pane->setupToolBarItem(QStringLiteral("ShowDeviceMenu"), &showButton);
        return pane;
    }

    QAction *action(unsigned id) { return Zarnet::CommonMenuBar::getAction(id); }

    // The texts and data of the transfer submenu.
    QList<QPair<QString, unsigned>> submenu()
    {
        QList<QPair<QString, unsigned>> entries;
        if (QMenu *menu = action(2010)->menu()) {
            for (QAction *entry : menu->actions())
                entries.append({ entry->text(), entry->data().toUInt() });
        }
        return entries;
    }

    QObject actionOwner;
    FakeHost host;
    ScriptedRunner runner;
    Zarnet::ZRTToolBarButton showButton;
    Zarnet::ZRTToolBarButton streamingButton;
    std::vector<TransferCall> transfers;
    Zarnet::DevicePane *pane = nullptr;
};
