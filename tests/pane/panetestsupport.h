#pragma once

#include "pane/devicepane.h"
#include "tests/pane/fakehost.h"
#include "widgets/modalrunner.h"
#include "zrt/commonmenubar.h"
#include "zrt/transferwizard.h"
#include "zrt/zrttoolbarbutton.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QList>
#include <QMenu>
#include <QUrl>

#include <functional>
#include <memory>

// Answers every modal run with a function of the test's, and remembers the
// window titles it was asked to show.
class ScriptedRunner : public Zarnet::ModalRunner
{
public:
    std::function<int(QDialog &)> answer = [](QDialog &) { return int(QDialog::Rejected); };
    QStringList shown;

    int run(QDialog &dialog) override
    {
        shown << dialog.windowTitle();
        return answer(dialog);
    }
};

// Presses the add or edit dialog's confirm button, as a person would.
inline int confirm(QDialog &dialog)
{
    for (const char *name : { "CreateButton", "SaveButton" }) {
        if (auto *button = dialog.findChild<QAbstractButton *>(QLatin1String(name))) {
            button->click();
            return dialog.result();
        }
    }
    return int(QDialog::Rejected);
}

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
        Zarnet::ModalRunner::install(&runner);
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
        Zarnet::ModalRunner::install(nullptr);
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
