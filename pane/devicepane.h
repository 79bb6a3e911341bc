#pragma once

#include "ipc/ikavoipc.h"
#include "ipc/refcountedptr.h"
#include "plugin/menuinterface.h"
#include "plugin/plugin.h"
#include "plugin/toolbarinterface.h"
#include "ui_devicepane.h"
#include "ui_mediaserverfunctionpane.h"

#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>

class PluginInterfaceRef;
class QAction;
class QLayout;
class QActionGroup;
class QTimer;
class QToolButton;

namespace kvds {
class IKavoIPCDelivery;
class SettingsHolder;
} // namespace kvds

namespace TransferDevicesLibrary {
class TransferDevice;
class TransferDevices;
} // namespace TransferDevicesLibrary

namespace Zarnet {

class TransferDeviceWidget;
class ZRTToolBarMenu;

// The plug-in object and the controller of the "Kavo To Go" pane. It lives on
// the host's GUI thread; endpoint callbacks only emit its signals.
class DevicePane : public QObject,
                   public MenuInterface,
                   public ToolBarInterface,
                   public kvds::IKavoIPCCallback,
                   public Orbe::Plugin,
                   public Ui::DevicePane,
                   public Ui::MediaServerFunctionPane
{
    Q_OBJECT

public:
    explicit DevicePane(Orbe::PluginContext *context);
    ~DevicePane() override;

    // Orbe::Plugin
    int queryInterface(const Orbe::String &id, void **out) override;

    // MenuInterface
    QObject *menuObject() override;

    // ToolBarInterface
    QStringList toolBarItems(QString group) override;
    void setupToolBarItem(QString name, QToolButton *button) override;

    // kvds::IKavoIPCCallback: the endpoints never own the pane.
    int32_t AddRef() override { return 1; }
    int32_t Release() override { return 1; }
    int32_t GetRefCount() override { return 1; }
    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override;

    // Called by the device buttons.
    void editDevice(TransferDeviceWidget *button);
    void deleteDevice(TransferDeviceWidget *button, bool removeFromStore);
    // False, after telling the user, when the button's device has been
    // deleted elsewhere (another player, kavo-devices).
    bool deviceStillExists(TransferDeviceWidget *button);
    // Tells the host's playback services that files were handed to the wizard.
    void afterFilesTransferred();

signals:
    void adjustSizeForScrollability();
    void noteTransferDevicesHaveChangedExternallySignal();
    void noteTransferDevicesHaveChangedInternally();
    void msgStartedResponseSignal(bool sharing);
    void disconnectPipeSignal();

public slots:
    void addDeviceButtonClicked();
    void adjustSizeForScrollabilitySlot();
    void noteTransferDevicesHaveChangedExternally();
    void noteTransferDevicesHaveChangedInternallySlot();
    void syncWidgetsToTransferDevices(bool updateDevicesFromStore);
    void toggleDevicePane();
    void updateDevicePaneMenus();
    void launchKMSClicked();
    void streamToSlot();
    void transferFilesToDeviceSlot(QAction *action);
    void burnFilesSlot();
    void checkStreamingSlot();
    void updateStreamingStateSlot(bool sharing);
    void sendFileNameSlot();
    void disconnectPipeSlot();

protected:
    // The pane's own showing and the player window's resizing: the columns
    // follow the width there is.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initializePane();
    TransferDeviceWidget *addDeviceWidget(TransferDevicesLibrary::TransferDevice *device, bool notify);
    void rebuildTransferMenu();
    // Brings the grid in line with the store: buttons of devices still there
    // are kept (reloaded), new devices get buttons, the others are retired.
    void rebuildDeviceGrid();
    TransferDeviceWidget *makeDeviceButton(TransferDevicesLibrary::TransferDevice *device);
    QList<TransferDeviceWidget *> gridButtons() const;
    // Places the buttons in order in a new grid, then fits the pane.
    void placeButtons(const QList<TransferDeviceWidget *> &buttons);
    // Columns of four rows each; past the column limit the next four rows
    // start under the first ones, and the rows past four scroll.
    QPoint cellOf(int index, int columnLimit) const;
    int columnLimit(int buttonCount) const;
    int availablePaneWidth() const;
    void fitPaneToGrid();
    // Arrow keys on a device button or on "Add a Device": the focus moves in
    // the grid as it is seen. False when from is neither.
    bool moveFocusInGrid(QWidget *from, int key);
    TransferDeviceWidget *buttonIn(int row, int column) const;
    // The face of the button that takes the keyboard: the page shown.
    static QWidget *focusFace(TransferDeviceWidget *button);
    void followPlayerWidth();
    void watchPlayerWindow();
    // True when a device notice delivered on this thread came from another
    // process; the component id alone cannot tell two players apart.
    bool noticeFromAnotherProcess() const;
    // Hands the files of the host's current source to the wizard for target.
    void transferFromHost(unsigned actionId, unsigned target);
    bool sendMediaServerMessage(const std::string &name, unsigned size, const void *data);
    void fitFunctionButtons(QLayout *layout);
    void setupStreamingItem(QToolButton *button);
    // The pane's own settings holder (the component's key).
    static kvds::SettingsHolder &unitSettings();

    bool streamingOn = false;
    QString pendingStreamFile;
    int nextColumn = 0;
    int nextRow = 0;
    QToolButton *showPaneButton = nullptr;
    ZRTToolBarMenu *paneWidget = nullptr;
    ZRTToolBarMenu *streamingPopup = nullptr;
    TransferDevicesLibrary::TransferDevices *store = nullptr;
    QActionGroup *transferActions = nullptr;
    PluginInterfaceRef *playbackServices = nullptr;
    PluginInterfaceRef *mediaView = nullptr;
    kvtl::RefCountedPtr<kvds::IKavoIPC> deviceIpc;
    QToolButton *streamingButton = nullptr;
    QMutex *mediaServerLock = nullptr;
    QTimer *pollTimer = nullptr;
    kvtl::RefCountedPtr<kvds::IKavoIPC> mediaServerIpc;
    // Since when a "StartedRequest" has waited for its answer; invalid when
    // none waits. A media server that took one and stays silent this long
    // is taken for gone.
    QElapsedTimer requestWaiting;
    static constexpr int AnswerTimeoutMs = 3000;
    // deviceIpc's view of its deliveries; set before its callback is registered.
    const kvds::IKavoIPCDelivery *deviceDelivery = nullptr;
    // The window whose width bounds the pane, and the size the grid was laid out for.
    QPointer<QWidget> playerWindow;
    QSize buttonSize;
    int placedColumnLimit = 0;
};

} // namespace Zarnet
