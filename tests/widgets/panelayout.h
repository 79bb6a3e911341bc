#pragma once

#include "tests/pane/panetestsupport.h"

#include <string>

class QGridLayout;
class QLabel;
class QToolButton;

namespace TransferDevicesLibrary {
class TransferDevice;
class TransferDevices;
} // namespace TransferDevicesLibrary

namespace Zarnet {
class TransferDeviceWidget;
}

namespace widgetstest {

// The device store of the test process, over the test's temporary folder and
// without notices.
TransferDevicesLibrary::TransferDevices *store();
// A new stored record; the caller owns it.
TransferDevicesLibrary::TransferDevice *makeDevice(int type, const std::string &name, bool configured);

// The real device pop-up, set up as the host sets it up, over a store that
// starts without the default devices.
class TestDevicePane
{
public:
    TestDevicePane();

    // Shows a device that is already in the store, the way a change from
    // another process reaches the pane; takes the record.
    Zarnet::TransferDeviceWidget *addDevice(TransferDevicesLibrary::TransferDevice *device);
    QGridLayout *grid() const;

    PaneHarness harness;
    QWidget *frame = nullptr;
    QLabel *DragFilesLabel = nullptr;
    QToolButton *AddDevice = nullptr;
};

// The real streaming pop-up, its two buttons sized to their texts by the pane.
class TestStreamingPopup
{
public:
    TestStreamingPopup();

    TestDevicePane pane;
    QWidget *frame = nullptr;
    QToolButton *StreamToBtn = nullptr;
    QToolButton *SettingsBtn = nullptr;
};

} // namespace widgetstest
