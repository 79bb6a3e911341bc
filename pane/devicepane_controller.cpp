// The device pane: building it, its grid of device buttons, the transfer
// submenu, and the add, edit and delete flows.
#include "pane/devicepane.h"

#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "ipc/kavoipc.h"
#include "plugin/interfaceids.h"
#include "plugin/pluginfilter.h"
#include "plugin/plugininterfaceref.h"
#include "settings/settingsholder.h"
#include "widgets/createtransferdevicedialog.h"
#include "widgets/deletetransferdevicedialog.h"
#include "widgets/edittransferdevicedialog.h"
#include "widgets/transferdevicewidget.h"
#include "widgets/zrtmenu.h"
#include "widgets/zrttoolbarmenu.h"
#include "zrt/commonmenubar.h"
#include "zrt/kavomediaserver.h"
#include "zrt/osutilities.h"
#include "zrt/zrtstringtools.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <memory>

using TransferDevicesLibrary::TransferDevice;
using TransferDevicesLibrary::TransferDevices;

namespace Zarnet {

namespace {

// Acquires a host interface, or leaves ref null when the host has none.
PluginInterfaceRef *acquireHostInterface(Orbe::PluginContext *context, const Orbe::String &id)
{
    auto *ref = new PluginInterfaceRef(id);
    if (ref->acquire(context, Orbe::PluginInterfaceFilter(id), true) != Orbe::Ok) {
        ref->reset();
        delete ref;
        return nullptr;
    }
    return ref;
}

std::string toUtf8(const QString &text)
{
    return ZRTStringTools::toStdStringUTF8(text);
}

} // namespace

void DevicePane::initializePane()
{
    paneWidget = new ZRTToolBarMenu(nullptr);

    if (!playbackServices) {
        playbackServices = acquireHostInterface(context(), Orbe::playbackServicesInterfaceId());
        if (!playbackServices)
            return;
    }
    if (!mediaView) {
        mediaView = acquireHostInterface(context(), Orbe::mediaViewInterfaceId());
        if (!mediaView)
            return;
    }

    connect(this, &DevicePane::noteTransferDevicesHaveChangedExternallySignal, this,
            &DevicePane::noteTransferDevicesHaveChangedExternally);

    Ui::DevicePane::setupUi(paneWidget);
    TransferDeviceWidget::styleButtonHolder(DeviceScrollWidgetContents);

    store = TransferDevices::instance(OSUtilities::getComponentIdUTF8());

    connect(AddDevice, &QToolButton::clicked, this, &DevicePane::addDeviceButtonClicked);
    connect(this, &DevicePane::adjustSizeForScrollability, this, &DevicePane::adjustSizeForScrollabilitySlot,
            Qt::QueuedConnection);
    connect(this, &DevicePane::noteTransferDevicesHaveChangedInternally, this,
            &DevicePane::noteTransferDevicesHaveChangedInternallySlot, Qt::QueuedConnection);

    unitSettings().EnsureSettings();

    if (!store->isInitialized()) {
        store->createInitialDevices({{0, toUtf8(tr("DVD Player"))},
                                     {1, toUtf8(tr("Blu-ray Player"))},
                                     {2, toUtf8(tr("TV"))},
                                     {3, toUtf8(tr("PlayStation\u00ae3"))}});
    }

    for (unsigned index = 0; index < store->count(); ++index)
        addDeviceWidget(store->deviceAt(index), false);

    // A list that cannot be changed says why, in place of what it cannot offer.
    if (store->isDamaged()) {
        auto *notice = new QLabel(tr("The device list could not be read."), DeviceScrollWidgetContents);
        notice->setObjectName(QStringLiteral("DeviceListNotice"));
        notice->setStyleSheet(QStringLiteral("QLabel { color: #A2A2A2; background: none; }"));
        notice->setWordWrap(true);
        DeviceGrid->addWidget(notice, 0, 0);
        AddDevice->setEnabled(false);
    } else if (store->isReadOnly()) {
        AddDevice->setEnabled(false);
        AddDevice->setToolTip(tr("The device list is read-only."));
    }

    emit noteTransferDevicesHaveChangedInternally();

    AddDevice->ensurePolished();
    const int h = QFontMetrics(AddDevice->font()).boundingRect(QStringLiteral("M")).height();
    const int iconSide = static_cast<int>(h * 1.5);
    AddDevice->setIconSize(QSize(iconSide, iconSide));

    if (CreateWindowMessageIPC(&deviceIpc))
        deviceIpc->RegisterCallback(std::string("Device/"), this, false);

    pollTimer->setSingleShot(false);
    pollTimer->setInterval(1000);
    connect(pollTimer, &QTimer::timeout, this, &DevicePane::checkStreamingSlot);
    connect(this, &DevicePane::msgStartedResponseSignal, this, &DevicePane::updateStreamingStateSlot);
    connect(this, &DevicePane::disconnectPipeSignal, this, &DevicePane::disconnectPipeSlot);

    if (!KavoMediaServer::IsKMSInstalled()) {
        if (streamingPopup) {
            StreamToBtn->setEnabled(false);
            SettingsBtn->setEnabled(false);
        }
        if (QAction *action = CommonMenuBar::getAction(CommonMenuBar::StreamTo))
            action->setEnabled(false);
        if (QAction *action = CommonMenuBar::getAction(CommonMenuBar::MediaServerSettings))
            action->setEnabled(false);
    }

    updateDevicePaneMenus();
}

TransferDeviceWidget *DevicePane::addDeviceWidget(TransferDevice *device, bool notify)
{
    if (!device)
        return nullptr;

    auto *button = new TransferDeviceWidget(context(), this, device);
    button->ensurePolished();
    const int h = QFontMetrics(button->font()).height();
    const int width = 7 * h;
    const int height = static_cast<int>(7 * h / 1.6666666666666667);
    button->setFixedSize(width, height);
    const int iconWidth = static_cast<int>(7 * h * 0.7565217391304347);
    const QSize iconSize(iconWidth, static_cast<int>(iconWidth / 2.806451612903226));
    if (auto *active = button->findChild<QAbstractButton *>(QStringLiteral("ActiveButton")))
        active->setIconSize(iconSize);
    if (auto *inactive = button->findChild<QAbstractButton *>(QStringLiteral("InactiveButton")))
        inactive->setIconSize(iconSize);

    DeviceGrid->addWidget(button, nextRow, nextColumn);
    if (nextRow >= 3) {
        ++nextColumn;
        nextRow = 0;
    } else {
        ++nextRow;
    }

    if (notify)
        emit noteTransferDevicesHaveChangedInternally();

    const int paneWidth = std::max({DragFilesLayout->sizeHint().width(), AddDeviceLayout->sizeHint().width(),
                                    (width + 7) * DeviceGrid->columnCount()});
    paneWidget->setFixedWidth(paneWidth + 8);
    paneWidget->setFixedHeight((height + 7) * DeviceGrid->rowCount() + AddDeviceLayout->sizeHint().height()
                               + DragFilesLayout->sizeHint().height());
    return button;
}

void DevicePane::noteTransferDevicesHaveChangedExternally()
{
    // Another process may have added or removed devices, not only changed
    // them: refreshing the buttons in place would keep showing (and offering
    // drops to) devices that are gone. Rebuild when the set differs.
    if (store && DeviceGrid && buttonDeviceIds() != storeDeviceIds()) {
        rebuildDeviceGrid();
        emit noteTransferDevicesHaveChangedInternally();
        return;
    }
    syncWidgetsToTransferDevices(true);
}

QList<unsigned> DevicePane::buttonDeviceIds() const
{
    QList<unsigned> ids;
    for (int column = 0; column < DeviceGrid->columnCount(); ++column) {
        for (int row = 0; row < DeviceGrid->rowCount(); ++row) {
            QLayoutItem *item = DeviceGrid->itemAtPosition(row, column);
            auto *button = item ? qobject_cast<TransferDeviceWidget *>(item->widget()) : nullptr;
            if (button && button->device())
                ids.append(button->device()->deviceId());
        }
    }
    return ids;
}

QList<unsigned> DevicePane::storeDeviceIds() const
{
    QList<unsigned> ids;
    const unsigned count = store->count();
    for (unsigned index = 0; index < count; ++index) {
        if (const std::unique_ptr<TransferDevice> device{store->deviceAt(index)})
            ids.append(device->deviceId());
    }
    return ids;
}

void DevicePane::noteTransferDevicesHaveChangedInternallySlot()
{
    rebuildTransferMenu();
}

void DevicePane::adjustSizeForScrollabilitySlot()
{
}

void DevicePane::syncWidgetsToTransferDevices(bool updateDevicesFromStore)
{
    if (!DeviceGrid || !paneWidget)
        return;
    for (int i = 0; i < DeviceGrid->count(); ++i) {
        auto *button = qobject_cast<TransferDeviceWidget *>(DeviceGrid->itemAt(i)->widget());
        if (!button)
            continue;
        if (updateDevicesFromStore && button->device())
            button->device()->reload();
        button->refresh();
    }
    emit noteTransferDevicesHaveChangedInternally();
}

void DevicePane::rebuildTransferMenu()
{
    QAction *transferTo = CommonMenuBar::getAction(CommonMenuBar::TransferTo);
    if (!transferTo)
        return;
    QMenu *menu = transferTo->menu();
    if (!menu) {
        menu = new ZRTMenu(QString(), paneWidget);
        transferTo->setMenu(menu);
    }

    delete transferActions;
    transferActions = new QActionGroup(this);
    connect(transferActions, &QActionGroup::triggered, this, &DevicePane::transferFilesToDeviceSlot);

    const unsigned count = store ? store->count() : 0;
    if (count == 0) {
        auto *add = new QAction(tr("Add a Device..."), transferActions);
        add->setData(0);
        add->setEnabled(!store || !(store->isReadOnly() || store->isDamaged()));
        menu->addAction(add);
        return;
    }
    for (unsigned index = 0; index < count; ++index) {
        const std::unique_ptr<TransferDevice> device(store->deviceAt(index));
        if (!device)
            continue;
        auto *entry = new QAction(ZRTStringTools::fromStdStringUTF8(device->name()), transferActions);
        entry->setData(device->deviceId());
        menu->addAction(entry);
    }
}

void DevicePane::addDeviceButtonClicked()
{
    if (!store)
        return;
    CreateTransferDeviceDialog dialog(context());
    unsigned type = 0;
    QString name;
    if (!dialog.getDeviceInfo(type, name))
        return;
    if (TransferDevice *device = store->createDevice(static_cast<int>(type), toUtf8(name)))
        addDeviceWidget(device, true);
}

void DevicePane::editDevice(TransferDeviceWidget *button)
{
    TransferDevice *device = button ? button->device() : nullptr;
    if (!device)
        return;
    EditTransferDeviceDialog dialog(context());
    unsigned type = static_cast<unsigned>(device->type());
    QString name = ZRTStringTools::fromStdStringUTF8(device->name());
    if (!dialog.getDeviceInfo(type, name))
        return;
    device->setType(static_cast<int>(type));
    device->setName(toUtf8(name));
    device->markConfigured();
    button->refresh();
    emit noteTransferDevicesHaveChangedInternally();
}

void DevicePane::deleteDevice(TransferDeviceWidget *button, bool removeFromStore)
{
    TransferDevice *device = button ? button->device() : nullptr;
    if (!device || !store)
        return;
    {
        DeleteTransferDeviceDialog dialog;
        if (!dialog.confirmDeletion(ZRTStringTools::fromStdStringUTF8(device->name())))
            return;
    }
    if (removeFromStore) {
        // On success the store has destroyed the record.
        if (store->removeDevice(device))
            button->clearDevice();
    }
    rebuildDeviceGrid();
    emit noteTransferDevicesHaveChangedInternally();
}

void DevicePane::rebuildDeviceGrid()
{
    // The buttons retired last time are no longer inside any handler.
    qDeleteAll(retiredButtons);
    retiredButtons.clear();
    for (int column = 0; column < DeviceGrid->columnCount(); ++column) {
        for (int row = 0; row < DeviceGrid->rowCount(); ++row) {
            QLayoutItem *item = DeviceGrid->itemAtPosition(row, column);
            if (!item || !item->widget())
                continue;
            QWidget *widget = item->widget();
            DeviceGrid->removeWidget(widget);
            // The button that asked for this is still inside its menu handler,
            // possibly within a nested event loop that would run a deferred
            // delete before the handler returns; it goes with the next rebuild.
            widget->hide();
            retiredButtons.append(widget);
        }
    }
    nextRow = 0;
    nextColumn = 0;

    auto *grid = new QGridLayout;
    grid->setContentsMargins(DeviceGrid->contentsMargins());
    grid->setHorizontalSpacing(DeviceGrid->horizontalSpacing());
    grid->setVerticalSpacing(DeviceGrid->verticalSpacing());
    grid->setObjectName(DeviceGrid->objectName());
    delete DeviceGrid;
    DeviceGrid = grid;
    DeviceScrollWidgetContents->setLayout(grid);
    paneWidget->updateGeometry();

    for (unsigned index = 0; index < store->count(); ++index)
        addDeviceWidget(store->deviceAt(index), false);
}

void DevicePane::updateDevicePaneMenus()
{
    const bool visible = paneWidget && paneWidget->isVisible();
    if (QAction *show = CommonMenuBar::getAction(CommonMenuBar::ShowDevicePane))
        show->setVisible(!visible);
    if (QAction *hide = CommonMenuBar::getAction(CommonMenuBar::HideDevicePane))
        hide->setVisible(visible);
}

void DevicePane::toggleDevicePane()
{
    if (!showPaneButton || !paneWidget)
        return;
    const QPointF position = showPaneButton->pos();
    auto sendRelease = [&] {
        QMouseEvent release(QEvent::MouseButtonRelease, position, showPaneButton->mapToGlobal(position),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(showPaneButton, &release);
    };
    if (paneWidget->isVisible()) {
        sendRelease();
        paneWidget->hide();
    } else {
        paneWidget->show();
        sendRelease();
    }
    updateDevicePaneMenus();
}

} // namespace Zarnet
