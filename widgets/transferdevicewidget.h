#pragma once

#include "ui_devicebutton.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

class PluginInterfaceRef;
class QContextMenuEvent;
class QDragEnterEvent;
class QDragLeaveEvent;
class QDropEvent;
class QKeyEvent;

namespace Orbe {
class PluginContext;
}

namespace TransferDevicesLibrary {
class TransferDevice;
}

namespace Zarnet {

class DevicePane;

// The button that stands for one transfer device in the pane's grid: the
// device's name under its type's icon, in the inactive look until the device
// has been configured. A click opens the transfer wizard for the device.
class TransferDeviceWidget : public QWidget, public Ui::DeviceButton
{
    Q_OBJECT

public:
    // The button holds the only pointer to the record and destroys it with
    // itself, unless clearDevice() has let it go.
    TransferDeviceWidget(Orbe::PluginContext *context, DevicePane *pane,
        TransferDevicesLibrary::TransferDevice *device, QWidget *parent = nullptr);
    ~TransferDeviceWidget() override;

    // Shows the record's current name, icon and look.
    void refresh();

    // Gives the widget that will hold device buttons their look, after its own
    // sheet. The look lives on the holder rather than on every button so that
    // Qt parses it, and loads its icons, once for the whole grid.
    static void styleButtonHolder(QWidget *holder);

    TransferDevicesLibrary::TransferDevice *device() const { return m_device; }
    // For when the store has destroyed the record.
    void clearDevice() { m_device = nullptr; }

    // Marks the button busy while one of its menus, dialogs or message boxes
    // runs: their nested event loops may deliver changes made elsewhere, and
    // the button (with its record) must outlive the handler that runs them.
    class BusyScope
    {
    public:
        explicit BusyScope(TransferDeviceWidget *button);
        ~BusyScope();
        BusyScope(const BusyScope &) = delete;
        BusyScope &operator=(const BusyScope &) = delete;

    private:
        QPointer<TransferDeviceWidget> m_button;
    };
    bool isBusy() const { return m_busy > 0; }
    // Taken out of the pane (its device is gone): hidden at once, destroyed
    // with its record once no handler of it is running.
    void retire();
    bool isRetired() const { return m_retired; }

public slots:
    void invokeTransfer();
    void contextMenuEvent(QContextMenuEvent *event) override;
    void editMenuItemSelected();
    void deleteMenuItemSelected();

protected:
    // Local files, file URLs and the player's playlist items are accepted.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Shift+F10 opens the menu at the button, as the Menu key does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QUrl resolvePlaylistItem(quint64 id, const QUrl &fallback);

    // Held by the drop handler for the length of one drop.
    PluginInterfaceRef *m_dragLookup = nullptr;
    TransferDevicesLibrary::TransferDevice *m_device = nullptr;
    Orbe::PluginContext *m_context = nullptr;
    DevicePane *m_pane = nullptr;
    QWidget *m_focusMark = nullptr;
    int m_busy = 0;
    bool m_retired = false;
};

} // namespace Zarnet
