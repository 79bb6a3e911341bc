// A player process for the multi-process tests: a pane set up as the host
// does it, driven by lines on standard input, answering on standard output.
//
//   add TYPE NAME      add a device through the add dialog
//   rename ROW COL NAME  edit the device at that grid cell
//   remove ROW COL     delete the device at that grid cell (confirmed)
//   grid               print "grid" and one "ROW COL ID NAME" line per button, then "end"
//   quit
#include "devices/transferdevice.h"
#include "tests/pane/panetestsupport.h"
#include "widgets/transferdevicewidget.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

QGridLayout *grid(PaneHarness &harness)
{
    QWidget *pane = harness.showButton.popup();
    QWidget *contents = pane ? pane->findChild<QWidget *>(QStringLiteral("DeviceScrollWidgetContents")) : nullptr;
    return contents ? qobject_cast<QGridLayout *>(contents->layout()) : nullptr;
}

Zarnet::TransferDeviceWidget *buttonAt(PaneHarness &harness, int row, int column)
{
    QGridLayout *layout = grid(harness);
    QLayoutItem *item = layout ? layout->itemAtPosition(row, column) : nullptr;
    return item ? qobject_cast<Zarnet::TransferDeviceWidget *>(item->widget()) : nullptr;
}

void fill(PaneHarness &harness, int type, const QString &name)
{
    harness.runner.answer = [type, name](QDialog &dialog) {
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("DeviceTypeInput"));
        auto *input = dialog.findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"));
        if (types && type >= 0)
            types->setCurrentIndex(types->findData(type));
        if (input)
            input->setText(name);
        return confirm(dialog);
    };
}

void printGrid(PaneHarness &harness)
{
    std::string out = "grid\n";
    if (QGridLayout *layout = grid(harness)) {
        for (int column = 0; column < layout->columnCount(); ++column) {
            for (int row = 0; row < layout->rowCount(); ++row) {
                auto *button = buttonAt(harness, row, column);
                if (button && button->device())
                    out += std::to_string(row) + ' ' + std::to_string(column) + ' '
                        + std::to_string(button->device()->deviceId()) + ' ' + button->device()->name() + '\n';
            }
        }
    }
    out += "end\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PaneHarness harness;
    harness.setUp();

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            app.quit();
            return;
        }
        QTextStream words(new QString(QString::fromStdString(line)), QIODevice::ReadOnly);
        QString command;
        words >> command;
        if (command == QLatin1String("add")) {
            int type = 0;
            words >> type;
            fill(harness, type, words.readAll().trimmed());
            harness.pane->addDeviceButtonClicked();
        } else if (command == QLatin1String("rename")) {
            int row = 0, column = 0;
            words >> row >> column;
            fill(harness, -1, words.readAll().trimmed());
            harness.pane->editDevice(buttonAt(harness, row, column));
        } else if (command == QLatin1String("remove")) {
            int row = 0, column = 0;
            words >> row >> column;
            harness.runner.answer = [](QDialog &) { return int(QDialog::Accepted); };
            harness.pane->deleteDevice(buttonAt(harness, row, column), true);
        } else if (command == QLatin1String("grid")) {
            QCoreApplication::processEvents();
            printGrid(harness);
            return;
        } else if (command == QLatin1String("quit")) {
            app.quit();
            return;
        }
        std::printf("done\n");
        std::fflush(stdout);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
