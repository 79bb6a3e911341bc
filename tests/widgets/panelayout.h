#pragma once

#include "ui_devicepane.h"
#include "ui_mediaserverfunctionpane.h"

#include <string>

class QLayout;

namespace TransferDevicesLibrary {
class TransferDevice;
class TransferDevices;
}

namespace Zarnet {
class TransferDeviceWidget;
class ZRTToolBarMenu;
}

namespace widgetstest {

// The device store of the test process, over the test's temporary folder and
// without notices.
TransferDevicesLibrary::TransferDevices *store();
// A new stored record; the caller owns it.
TransferDevicesLibrary::TransferDevice *makeDevice(int type, const std::string &name, bool configured);

// The device pop-up as the pane builds it: the form inside a pop-up panel, and
// device buttons sized, placed and counted the way the controller does.
class TestDevicePane : public Ui::DevicePane
{
public:
    TestDevicePane();
    ~TestDevicePane();

    Zarnet::TransferDeviceWidget *addDevice(TransferDevicesLibrary::TransferDevice *device);

    Zarnet::ZRTToolBarMenu *frame;
    int nextRow = 0;
    int nextColumn = 0;
};

// The streaming pop-up, its two buttons sized to their texts.
class TestStreamingPopup : public Ui::MediaServerFunctionPane
{
public:
    TestStreamingPopup();
    ~TestStreamingPopup();

    Zarnet::ZRTToolBarMenu *frame;
};

} // namespace widgetstest
