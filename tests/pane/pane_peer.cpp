// A player process for the multi-process tests: a pane set up as the host
// does it, driven by lines on standard input, answering on standard output.
//
//   add TYPE NAME        add a device through the add dialog
//   rename ROW COL NAME  edit the device at that grid cell
//   remove ROW COL       delete the device at that grid cell (confirmed)
//   grid                 print "grid" and one "ROW COL ID NAME" line per button
//                        (the name as its face shows it), then "end"
//   counts               print "counts EXTERNAL INTERNAL": the pane's outside-change
//                        and own-change signals so far
//   menu ROW COL         open that button's context menu; prints "menu ENTRY|..."
//   choose ENTRY         choose an entry of the open menu
//   drop ROW COL URI...  drop a uri-list on that button
//   reply accept|reject|save NAME
//                        answer the dialog or box that is showing
//   quit
// Dialogs and boxes reached through "menu" or "drop" stay open, each shown as
// "dialog TITLE|TEXT", until "reply"; meanwhile every command still works.
#include "devices/transferdevice.h"
#include "host/urilistmimedata.h"
#include "tests/pane/panetestsupport.h"
#include "widgets/transferdevicewidget.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

void say(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.data(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

QGridLayout *grid(PaneHarness &harness)
{
    QWidget *pane = harness.showButton.popup();
    QWidget *contents
        = pane ? pane->findChild<QWidget *>(QStringLiteral("DeviceScrollWidgetContents")) : nullptr;
    return contents ? qobject_cast<QGridLayout *>(contents->layout()) : nullptr;
}

Zarnet::TransferDeviceWidget *buttonAt(PaneHarness &harness, int row, int column)
{
    QGridLayout *layout = grid(harness);
    QLayoutItem *item = layout ? layout->itemAtPosition(row, column) : nullptr;
    return item ? qobject_cast<Zarnet::TransferDeviceWidget *>(item->widget()) : nullptr;
}

void fill(QDialog &dialog, int type, const QString &name)
{
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("DeviceTypeInput"));
    auto *input = dialog.findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"));
    if (types && type >= 0)
        types->setCurrentIndex(types->findData(type));
    if (input)
        input->setText(name);
}

void printGrid(PaneHarness &harness)
{
    QString out = QStringLiteral("grid");
    if (QGridLayout *layout = grid(harness)) {
        for (int column = 0; column < layout->columnCount(); ++column) {
            for (int row = 0; row < layout->rowCount(); ++row) {
                auto *button = buttonAt(harness, row, column);
                if (!button || !button->device())
                    continue;
                QToolButton *face = button->ButtonStack->currentIndex() == 1 ? button->ActiveButton
                                                                             : button->InactiveButton;
                QString shown = face->text();
                shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
                out += QStringLiteral("\n%1 %2 %3 %4")
                           .arg(row)
                           .arg(column)
                           .arg(button->device()->deviceId())
                           .arg(shown);
            }
        }
    }
    say(out + QStringLiteral("\nend"));
}

// Runs each dialog in its real modal loop, in place of the harness's
// scripted runner: a command that knows its answer sets next, which acts on
// the dialog; any other dialog stays open, shown as "dialog TITLE|TEXT",
// until "reply" answers the newest one.
class PeerRunner : public Zarnet::ModalRunner
{
public:
    PeerRunner() { install(this); }
    ~PeerRunner() override { install(nullptr); }

    ScriptedRunner::Answer next;

    int run(QDialog &dialog) override
    {
        if (ScriptedRunner::Answer act = std::exchange(next, nullptr)) {
            QTimer::singleShot(0, &dialog, [&dialog, act] {
                act(dialog);
                // An answer that missed leaves the dialog open: the parent
                // hears why instead of waiting for a peer that never returns.
                if (dialog.isVisible()) {
                    say(QStringLiteral("unanswered %1").arg(dialog.windowTitle()));
                    dialog.reject();
                }
            });
            return dialog.exec();
        }
        const auto *box = qobject_cast<QMessageBox *>(&dialog);
        say(QStringLiteral("dialog %1|%2").arg(dialog.windowTitle(), box ? box->text() : QString()));
        m_held.push_back(&dialog);
        const int result = dialog.exec();
        m_held.pop_back();
        return result;
    }

    bool reply(const QString &how, const QString &name)
    {
        QDialog *dialog = m_held.empty() ? nullptr : m_held.back().data();
        if (!dialog)
            return false;
        if (how == QLatin1String("accept")) {
            if (qobject_cast<QMessageBox *>(dialog))
                Answers::acceptBox(*dialog);
            else
                Answers::confirm(*dialog);
        } else if (how == QLatin1String("save")) {
            fill(*dialog, -1, name);
            Answers::confirm(*dialog);
        } else {
            dialog->reject();
        }
        return true;
    }

private:
    std::vector<QPointer<QDialog>> m_held;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Its dialogs are its only windows: closing one must not end it.
    app.setQuitOnLastWindowClosed(false);
    PaneHarness harness;
    harness.setUp();
    int external = 0;
    int internal = 0;
    QObject::connect(harness.pane, &Zarnet::DevicePane::noteTransferDevicesHaveChangedExternallySignal,
        [&] { ++external; });
    QObject::connect(
        harness.pane, &Zarnet::DevicePane::noteTransferDevicesHaveChangedInternally, [&] { ++internal; });
    PeerRunner runner;

    std::function<void(const QString &)> perform;
    // Lines are taken one at a time, each from the event loop, so that one
    // that opens a dialog does not hold up those behind it.
    QByteArray pending;
    std::function<void()> nextLine = [&] {
        const qsizetype end = pending.indexOf('\n');
        if (end < 0)
            return;
        const QString line = QString::fromUtf8(pending.left(end)).trimmed();
        pending.remove(0, end + 1);
        if (pending.contains('\n'))
            QTimer::singleShot(0, nextLine);
        perform(line);
    };
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char chunk[4096];
        const ssize_t got = read(0, chunk, sizeof chunk);
        if (got <= 0) {
            input.setEnabled(false);
            app.quit();
            return;
        }
        const bool idle = !pending.contains('\n');
        pending.append(chunk, got);
        if (idle)
            nextLine();
    });
    perform = [&](QString text) {
        QTextStream words(&text, QIODevice::ReadOnly);
        QString command;
        words >> command;
        if (command == QLatin1String("add")) {
            int type = 0;
            words >> type;
            const QString name = words.readAll().trimmed();
            runner.next = [type, name](QDialog &dialog) {
                fill(dialog, type, name);
                Answers::confirm(dialog);
            };
            harness.pane->addDeviceButtonClicked();
        } else if (command == QLatin1String("rename")) {
            int row = 0, column = 0;
            words >> row >> column;
            const QString name = words.readAll().trimmed();
            runner.next = [name](QDialog &dialog) {
                fill(dialog, -1, name);
                Answers::confirm(dialog);
            };
            harness.pane->editDevice(buttonAt(harness, row, column));
        } else if (command == QLatin1String("remove")) {
            int row = 0, column = 0;
            words >> row >> column;
            runner.next = Answers::confirm;
            harness.pane->deleteDevice(buttonAt(harness, row, column), true);
        } else if (command == QLatin1String("grid")) {
            QCoreApplication::processEvents();
            printGrid(harness);
            return;
        } else if (command == QLatin1String("counts")) {
            QCoreApplication::processEvents();
            say(QStringLiteral("counts %1 %2").arg(external).arg(internal));
            return;
        } else if (command == QLatin1String("menu")) {
            int row = 0, column = 0;
            words >> row >> column;
            QPointer<Zarnet::TransferDeviceWidget> button = buttonAt(harness, row, column);
            // Opened from the event loop, so this handler returns first.
            QTimer::singleShot(0, [button] {
                if (!button)
                    return;
                QTimer::singleShot(0, [] {
                    QStringList entries;
                    if (QWidget *menu = QApplication::activePopupWidget()) {
                        for (QAction *action : menu->actions())
                            entries << action->text();
                    }
                    say(QStringLiteral("menu ") + entries.join(QLatin1Char('|')));
                });
                QContextMenuEvent event(
                    QContextMenuEvent::Mouse, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(button, &event);
            });
        } else if (command == QLatin1String("choose")) {
            const QString entry = words.readAll().trimmed();
            QTimer::singleShot(0, [entry] {
                QWidget *menu = QApplication::activePopupWidget();
                for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
                    if (action->text() == entry) {
                        menu->close();
                        action->trigger();
                        return;
                    }
                }
                say(QStringLiteral("no such entry"));
            });
        } else if (command == QLatin1String("drop")) {
            int row = 0, column = 0;
            words >> row >> column;
            QPointer<Zarnet::TransferDeviceWidget> button = buttonAt(harness, row, column);
            const QStringList uris = words.readAll().split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QTimer::singleShot(0, [button, uris] {
                if (!button)
                    return;
                // As the player's own lists drag: the uri-list text as given.
                UriListMimeData data(uris);
                // Qt hands a drop only to the widget that accepted its enter.
                QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(button, &enter);
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(button, &drop);
            });
        } else if (command == QLatin1String("reply")) {
            QString how;
            words >> how;
            if (!runner.reply(how, words.readAll().trimmed())) {
                say(QStringLiteral("no dialog"));
                return;
            }
        } else if (command == QLatin1String("quit")) {
            app.quit();
            return;
        }
        // A command's answer is for its own dialog only.
        runner.next = nullptr;
        say(QStringLiteral("done"));
    };
    say(QStringLiteral("ready"));
    return app.exec();
}
