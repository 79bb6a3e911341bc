// A player process that reports what its pane offers for the device list it
// finds, one line each:
//   add ENABLED TIP          the "Add a Device" button
//   notice TEXT              the text in the grid's place, "-" for none
//   buttons N                device buttons in the grid
//   edit|delete ENABLED TIP  the first button's context menu entries
//   submenu ENABLED TEXT     the transfer submenu's first entry
//   shown 0|1                the pane opens from the host's menu
// With --as-nobody, run by the superuser, it first drops to the nobody
// account, to whom file modes apply.
#include "tests/pane/panetestsupport.h"
#include "widgets/transferdevicewidget.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <grp.h>
#include <unistd.h>

namespace {

void say(const char *what, bool enabled, const QString &text)
{
    std::printf("%s %d %s\n", what, enabled ? 1 : 0, qPrintable(text));
}

// Reads the entries of the context menu once it is up, then closes it.
void readMenuWhenShown(int triesLeft = 200)
{
    QTimer::singleShot(10, [triesLeft] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu) {
            if (triesLeft == 0)
                std::_Exit(7);
            readMenuWhenShown(triesLeft - 1);
            return;
        }
        for (QAction *action : menu->actions()) {
            if (action->text() == QLatin1String("Edit") || action->text() == QLatin1String("Delete"))
                say(qPrintable(action->text().toLower()), action->isEnabled(), action->toolTip());
        }
        menu->close();
    });
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--as-nobody") == 0 && geteuid() == 0
        && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
        return 5;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PaneHarness harness;
    harness.setUp();
    QCoreApplication::processEvents();

    QWidget *pane = harness.showButton.popup();
    auto *add = pane->findChild<QToolButton *>(QStringLiteral("AddDevice"));
    say("add", add->isEnabled(), add->toolTip());
    auto *notice = pane->findChild<QLabel *>(QStringLiteral("DeviceListNotice"));
    std::printf("notice %s\n", notice ? qPrintable(notice->text()) : "-");
    const auto buttons = pane->findChildren<Zarnet::TransferDeviceWidget *>();
    std::printf("buttons %d\n", int(buttons.size()));
    if (!buttons.isEmpty()) {
        readMenuWhenShown();
        const QPoint corner(1, 1);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, corner, buttons.first()->mapToGlobal(corner));
        QCoreApplication::sendEvent(buttons.first(), &event);
    }
    const QList<QAction *> entries = harness.action(2010)->menu()->actions();
    if (!entries.isEmpty())
        say("submenu", entries.first()->isEnabled(), entries.first()->text());
    harness.pane->toggleDevicePane();
    std::printf("shown %d\n", pane->isVisible() ? 1 : 0);
    std::fflush(stdout);
    return 0;
}
