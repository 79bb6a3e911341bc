#include "tests/widgets/panelayout.h"

#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "widgets/transferdevicewidget.h"
#include "widgets/zrttoolbarmenu.h"

#include <QFontMetrics>
#include <QToolButton>

#include <algorithm>

namespace widgetstest {

namespace {
bool noEndpoint(kvds::IKavoIPC **out)
{
    *out = nullptr;
    return false;
}
} // namespace

TransferDevicesLibrary::TransferDevices *store()
{
    return TransferDevicesLibrary::TransferDevices::instance("WidgetsTest", noEndpoint);
}

TransferDevicesLibrary::TransferDevice *makeDevice(int type, const std::string &name, bool configured)
{
    TransferDevicesLibrary::TransferDevice *device = store()->createDevice(type, name);
    if (device && configured)
        device->markConfigured();
    return device;
}

TestDevicePane::TestDevicePane()
    : frame(new Zarnet::ZRTToolBarMenu)
{
    setupUi(frame);
}

TestDevicePane::~TestDevicePane()
{
    delete frame;
}

Zarnet::TransferDeviceWidget *TestDevicePane::addDevice(TransferDevicesLibrary::TransferDevice *device)
{
    auto *button = new Zarnet::TransferDeviceWidget(nullptr, nullptr, device);
    button->ensurePolished();
    const int h = QFontMetrics(button->font()).height();
    const int w = 7 * h;
    const int height = static_cast<int>(7 * h / 1.6666666666666667);
    button->setFixedSize(w, height);
    const int c = static_cast<int>(7 * h * 0.7565217391304347);
    const QSize icon(c, static_cast<int>(c / 2.806451612903226));
    button->ActiveButton->setIconSize(icon);
    button->InactiveButton->setIconSize(icon);

    DeviceGrid->addWidget(button, nextRow, nextColumn);
    if (nextRow >= 3) {
        ++nextColumn;
        nextRow = 0;
    } else {
        ++nextRow;
    }

    const int width = std::max({DragFilesLayout->sizeHint().width(), AddDeviceLayout->sizeHint().width(),
                                (w + 7) * DeviceGrid->columnCount()});
    frame->setFixedWidth(width + 8);
    frame->setFixedHeight((height + 7) * DeviceGrid->rowCount() + AddDeviceLayout->sizeHint().height()
                          + DragFilesLayout->sizeHint().height());
    return button;
}

TestStreamingPopup::TestStreamingPopup()
    : frame(new Zarnet::ZRTToolBarMenu)
{
    setupUi(frame);
    QWidget *parent = MediaServerFunctionLayout->parentWidget();
    parent->ensurePolished();
    const int h = QFontMetrics(parent->font()).height();
    int w = 7 * h;
    for (int i = MediaServerFunctionLayout->count() - 1; i >= 0; --i) {
        if (auto *button = qobject_cast<QToolButton *>(MediaServerFunctionLayout->itemAt(i)->widget()))
            w = std::max(w, h + QFontMetrics(button->font()).horizontalAdvance(button->text()));
    }
    const int height = static_cast<int>(w / 1.6666666666666667);
    for (int i = MediaServerFunctionLayout->count() - 1; i >= 0; --i) {
        if (auto *button = qobject_cast<QToolButton *>(MediaServerFunctionLayout->itemAt(i)->widget())) {
            button->setFixedSize(w, height);
            button->setIconSize(QSize(height / 2, height / 2));
        }
    }
    parent->adjustSize();
}

TestStreamingPopup::~TestStreamingPopup()
{
    delete frame;
}

} // namespace widgetstest
