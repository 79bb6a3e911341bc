// The device pane: building it, its grid of device buttons, the transfer
// submenu, and the add, edit and delete flows.
#include "pane/devicepane.h"

#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "ipc/ikavoipcdelivery.h"
#include "ipc/kavoipc.h"
#include "plugin/interfaceids.h"
#include "plugin/pluginfilter.h"
#include "plugin/plugininterfaceref.h"
#include "settings/settingsholder.h"
#include "widgets/createtransferdevicedialog.h"
#include "widgets/deletetransferdevicedialog.h"
#include "widgets/edittransferdevicedialog.h"
#include "widgets/focusmark.h"
#include "widgets/modalrunner.h"
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
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
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

// Rows of device buttons the pane shows at once; more rows scroll.
constexpr int shownRows = 4;

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
    // A cut name is whole in its button's tip, which must show even while
    // the player window, not the pane, is the active one.
    paneWidget->setAttribute(Qt::WA_AlwaysShowToolTips);
    paneWidget->installEventFilter(this);
    watchPlayerWindow();
    // The grid's holder must not shrink below its buttons, or the scroll
    // area squeezes them instead of scrolling: no fixed minimum of its own.
    DeviceScrollWidgetContents->setMinimumSize(0, 0);
    // The keyboard scrolls by moving between buttons; the area itself would
    // be a stop with nothing to show for it.
    DeviceScrollArea->setFocusPolicy(Qt::NoFocus);
    // Many devices scroll: a bar in the pane's dark look, not the desktop's.
    DeviceScrollArea->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: #151515; width: 10px; margin: 0; border: none; }"
        "QScrollBar::handle:vertical { background: #5A5A5A; border-radius: 4px; min-height: 24px;"
        " margin: 1px; }"
        "QScrollBar::handle:vertical:hover { background: #35B1EA; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));

    store = TransferDevices::instance(OSUtilities::getComponentIdUTF8());

    connect(AddDevice, &QToolButton::clicked, this, &DevicePane::addDeviceButtonClicked);
    // Its sheet draws no focus; the arrow keys reach the grid from it.
    new FocusMark(AddDevice);
    AddDevice->installEventFilter(this);
    connect(this, &DevicePane::adjustSizeForScrollability, this, &DevicePane::adjustSizeForScrollabilitySlot,
        Qt::QueuedConnection);
    connect(this, &DevicePane::noteTransferDevicesHaveChangedInternally, this,
        &DevicePane::noteTransferDevicesHaveChangedInternallySlot, Qt::QueuedConnection);

    unitSettings().EnsureSettings();

    if (!store->isInitialized()) {
        store->createInitialDevices({ { 0, toUtf8(tr("DVD Player")) }, { 1, toUtf8(tr("Blu-ray Player")) },
            { 2, toUtf8(tr("TV")) }, { 3, toUtf8(tr("PlayStation®3")) } });
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
    // The add button has its height only now.
    fitPaneToGrid();

    if (CreateWindowMessageIPC(&deviceIpc)) {
        deviceDelivery = dynamic_cast<const kvds::IKavoIPCDelivery *>(deviceIpc.get());
        deviceIpc->RegisterCallback(std::string("Device/"), this, false);
    }

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

TransferDeviceWidget *DevicePane::makeDeviceButton(TransferDevice *device)
{
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
    // The buttons would take the arrow keys along the tab order.
    button->ActiveButton->installEventFilter(this);
    button->InactiveButton->installEventFilter(this);
    buttonSize = QSize(width, height);
    return button;
}

TransferDeviceWidget *DevicePane::addDeviceWidget(TransferDevice *device, bool notify)
{
    if (!device)
        return nullptr;

    auto *button = makeDeviceButton(device);
    const int index = DeviceGrid->count();
    const int limit = columnLimit(index + 1);
    if (index > 0 && limit != placedColumnLimit) {
        QList<TransferDeviceWidget *> buttons = gridButtons();
        buttons.append(button);
        placeButtons(buttons);
    } else {
        DeviceGrid->addWidget(button, nextRow, nextColumn);
        placedColumnLimit = limit;
        const QPoint next = cellOf(index + 1, limit);
        nextRow = next.y();
        nextColumn = next.x();
    }

    if (notify)
        emit noteTransferDevicesHaveChangedInternally();

    fitPaneToGrid();
    return button;
}

QPoint DevicePane::cellOf(int index, int limit) const
{
    const int perBand = shownRows * std::max(limit, 1);
    const int inBand = index % perBand;
    return QPoint(inBand / shownRows, index / perBand * shownRows + inBand % shownRows);
}

int DevicePane::availablePaneWidth() const
{
    int width = 0;
    QWidget *window = playerWindow.data();
    if (window)
        width = window->width();
    const QScreen *screen = window ? window->screen() : (paneWidget ? paneWidget->screen() : nullptr);
    if (screen) {
        const int screenWidth = screen->availableGeometry().width();
        width = width > 0 ? std::min(width, screenWidth) : screenWidth;
    }
    return width;
}

int DevicePane::columnLimit(int buttonCount) const
{
    const int available = availablePaneWidth();
    if (available <= 0 || !buttonSize.isValid())
        return std::max(1, (buttonCount + shownRows - 1) / shownRows);
    const int step = buttonSize.width() + 7;
    // The pane takes at most a third of the player, so the video and the
    // playlist stay in view; two columns as long as the window holds them.
    const auto columnsIn = [&](int width, int bar) { return std::max(1, (width - 8 - bar) / step); };
    const auto limitFor = [&](int bar) {
        return std::max(columnsIn(available / 3, bar), std::min(2, columnsIn(available, bar)));
    };
    int limit = limitFor(0);
    if (buttonCount > shownRows * limit) {
        // Rows will scroll: leave room for the scroll bar.
        limit = limitFor(DeviceScrollArea->verticalScrollBar()->sizeHint().width());
    }
    return limit;
}

void DevicePane::fitPaneToGrid()
{
    if (!paneWidget || !DeviceGrid || !buttonSize.isValid())
        return;
    // Sized for at most four rows of buttons; the others scroll.
    const int rows = DeviceGrid->rowCount();
    const bool scrolls = rows > shownRows;
    int width = std::max({ DragFilesLayout->sizeHint().width(), AddDeviceLayout->sizeHint().width(),
                    (buttonSize.width() + 7) * DeviceGrid->columnCount() })
        + 8;
    if (scrolls)
        width += DeviceScrollArea->verticalScrollBar()->sizeHint().width();
    const int available = availablePaneWidth();
    if (available > 0)
        width = std::min(width, available);
    paneWidget->setFixedWidth(width);
    paneWidget->setFixedHeight((buttonSize.height() + 7) * std::min(rows, shownRows)
        + AddDeviceLayout->sizeHint().height() + DragFilesLayout->sizeHint().height());
}

QList<TransferDeviceWidget *> DevicePane::gridButtons() const
{
    // Layout order is the order the buttons were placed in, the store's.
    QList<TransferDeviceWidget *> buttons;
    for (int i = 0; DeviceGrid && i < DeviceGrid->count(); ++i) {
        if (auto *button = qobject_cast<TransferDeviceWidget *>(DeviceGrid->itemAt(i)->widget()))
            buttons.append(button);
    }
    return buttons;
}

void DevicePane::placeButtons(const QList<TransferDeviceWidget *> &buttons)
{
    // A grid keeps the rows and columns it ever had: start a new one.
    auto *grid = new QGridLayout;
    grid->setContentsMargins(DeviceGrid->contentsMargins());
    grid->setHorizontalSpacing(DeviceGrid->horizontalSpacing());
    grid->setVerticalSpacing(DeviceGrid->verticalSpacing());
    grid->setObjectName(DeviceGrid->objectName());
    delete DeviceGrid;
    DeviceGrid = grid;
    DeviceScrollWidgetContents->setLayout(grid);

    const int limit = columnLimit(static_cast<int>(buttons.size()));
    for (int index = 0; index < buttons.size(); ++index) {
        const QPoint cell = cellOf(index, limit);
        grid->addWidget(buttons.at(index), cell.y(), cell.x());
    }
    const QPoint next = cellOf(static_cast<int>(buttons.size()), limit);
    nextRow = next.y();
    nextColumn = next.x();
    placedColumnLimit = limit;
    paneWidget->updateGeometry();
    fitPaneToGrid();
}

void DevicePane::followPlayerWidth()
{
    if (!DeviceGrid || !store)
        return;
    const QList<TransferDeviceWidget *> buttons = gridButtons();
    if (columnLimit(static_cast<int>(buttons.size())) != placedColumnLimit)
        placeButtons(buttons);
    else
        fitPaneToGrid();
}

void DevicePane::watchPlayerWindow()
{
    QWidget *window = showPaneButton ? showPaneButton->window() : nullptr;
    if (window == paneWidget)
        window = nullptr;
    if (window == playerWindow)
        return;
    if (playerWindow)
        playerWindow->removeEventFilter(this);
    playerWindow = window;
    if (window)
        window->installEventFilter(this);
}

bool DevicePane::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool arrow = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right
            || key->key() == Qt::Key_Up || key->key() == Qt::Key_Down;
        if (arrow && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
            && moveFocusInGrid(qobject_cast<QWidget *>(watched), key->key()))
            return true;
    }
    if (paneWidget && watched == paneWidget && event->type() == QEvent::Show) {
        // The button may have moved into the player window since set-up.
        watchPlayerWindow();
        followPlayerWidth();
    } else if (watched == playerWindow && event->type() == QEvent::Resize) {
        followPlayerWidth();
    }
    return QObject::eventFilter(watched, event);
}

QWidget *DevicePane::focusFace(TransferDeviceWidget *button)
{
    if (!button)
        return nullptr;
    return button->ButtonStack->currentWidget() == button->ActivePage
        ? static_cast<QWidget *>(button->ActiveButton)
        : button->InactiveButton;
}

bool DevicePane::moveFocusInGrid(QWidget *from, int key)
{
    if (!from || !DeviceGrid)
        return false;
    QWidget *target = nullptr;
    if (from == AddDevice) {
        // Up goes back into the grid, to the last row's rightmost button.
        if (key != Qt::Key_Up)
            return true;
        for (int row = DeviceGrid->rowCount() - 1; row >= 0 && !target; --row) {
            for (int column = 0; column < DeviceGrid->columnCount() && !target; ++column)
                target = buttonIn(row, column);
        }
    } else {
        TransferDeviceWidget *button = nullptr;
        for (QWidget *w = from; w && !button; w = w->parentWidget())
            button = qobject_cast<TransferDeviceWidget *>(w);
        const int index = button ? DeviceGrid->indexOf(button) : -1;
        if (index < 0)
            return false;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        DeviceGrid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            // Onward is towards higher columns; column 0 is the rightmost one,
            // as the grid runs right to left.
            const bool onward
                = (key == Qt::Key_Left) == (DeviceScrollWidgetContents->layoutDirection() == Qt::RightToLeft);
            for (int c = column + (onward ? 1 : -1); c >= 0 && c < DeviceGrid->columnCount() && !target;
                 c += onward ? 1 : -1)
                target = buttonIn(row, c);
        } else {
            // The nearest row that has buttons, at the column nearest this one;
            // below the last row lies "Add a Device".
            const int step = key == Qt::Key_Down ? 1 : -1;
            for (int r = row + step; r >= 0 && r < DeviceGrid->rowCount() && !target; r += step) {
                for (int distance = 0; distance < DeviceGrid->columnCount() && !target; ++distance) {
                    target = buttonIn(r, column - distance);
                    if (!target)
                        target = buttonIn(r, column + distance);
                }
            }
            if (!target && step > 0 && AddDevice->isEnabled())
                target = AddDevice;
        }
    }
    if (!target)
        return true; // at the edge: focus stays
    if (auto *targetButton = qobject_cast<TransferDeviceWidget *>(target)) {
        DeviceScrollArea->ensureWidgetVisible(targetButton, 0, 0);
        target = focusFace(targetButton);
    }
    target->setFocus(Qt::TabFocusReason);
    return true;
}

TransferDeviceWidget *DevicePane::buttonIn(int row, int column) const
{
    if (row < 0 || column < 0 || row >= DeviceGrid->rowCount() || column >= DeviceGrid->columnCount())
        return nullptr;
    QLayoutItem *item = DeviceGrid->itemAtPosition(row, column);
    auto *button = item ? qobject_cast<TransferDeviceWidget *>(item->widget()) : nullptr;
    return button && !button->isRetired() ? button : nullptr;
}

void DevicePane::noteTransferDevicesHaveChangedExternally()
{
    // Another process may have added or removed devices, not only changed
    // them: the grid follows the store, keeping the buttons of devices that
    // are still there, so a button whose menu or dialog is open stays.
    if (!store || !DeviceGrid) {
        syncWidgetsToTransferDevices(true);
        return;
    }
    rebuildDeviceGrid();
    emit noteTransferDevicesHaveChangedInternally();
}

void DevicePane::noteTransferDevicesHaveChangedInternallySlot()
{
    rebuildTransferMenu();
}

void DevicePane::adjustSizeForScrollabilitySlot() { }

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
        // A menu reads "&" as a mnemonic; double it so the name shows as typed.
        QString text = ZRTStringTools::fromStdStringUTF8(device->name());
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto *entry = new QAction(text, transferActions);
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
    // Changes from elsewhere may arrive while the dialog runs; they must
    // leave this button and its record in place.
    const TransferDeviceWidget::BusyScope busy(button);
    if (!deviceStillExists(button))
        return;
    EditTransferDeviceDialog dialog(context());
    unsigned type = static_cast<unsigned>(device->type());
    QString name = ZRTStringTools::fromStdStringUTF8(device->name());
    if (!dialog.getDeviceInfo(type, name))
        return;
    // Written only to a device that is still there: the writes are updates,
    // so a deleted device is never brought back.
    if (!deviceStillExists(button))
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
    const TransferDeviceWidget::BusyScope busy(button);
    if (!deviceStillExists(button))
        return;
    {
        DeleteTransferDeviceDialog dialog;
        if (!dialog.confirmDeletion(ZRTStringTools::fromStdStringUTF8(device->name())))
            return;
    }
    const int place = static_cast<int>(gridButtons().indexOf(button));
    // Deleted elsewhere while the question was open: say so rather than
    // remove whatever may carry the id by now.
    if (removeFromStore && deviceStillExists(button)) {
        // On success the store has destroyed the record.
        if (store->removeDevice(device))
            button->clearDevice();
    }
    rebuildDeviceGrid();
    // The focus left with the button: it goes to the device that took its
    // place, else the one before it, else to "Add a Device".
    const QList<TransferDeviceWidget *> left = gridButtons();
    if (!left.isEmpty()) {
        TransferDeviceWidget *neighbour = left.value(std::min(std::max(place, 0), int(left.size()) - 1));
        DeviceScrollArea->ensureWidgetVisible(neighbour, 0, 0);
        focusFace(neighbour)->setFocus(Qt::TabFocusReason);
    } else if (AddDevice->isEnabled()) {
        AddDevice->setFocus(Qt::TabFocusReason);
    }
    emit noteTransferDevicesHaveChangedInternally();
}

bool DevicePane::deviceStillExists(TransferDeviceWidget *button)
{
    TransferDevice *device = button ? button->device() : nullptr;
    if (!device)
        return false;
    // A retired button's device left the store at some point; a device with
    // its id now is another one.
    if (!button->isRetired() && store) {
        if (const std::unique_ptr<TransferDevice> stored { store->deviceById(device->deviceId()) })
            return true;
    }
    QMessageBox box(QMessageBox::Information, tr("Device Not Found"),
        tr("\"%1\" no longer exists: it was deleted elsewhere.")
            .arg(ZRTStringTools::fromStdStringUTF8(device->name())),
        QMessageBox::Ok, nullptr);
    box.setTextFormat(Qt::PlainText);
    ModalRunner::current().run(box);
    return false;
}

void DevicePane::rebuildDeviceGrid()
{
    QHash<unsigned, TransferDeviceWidget *> shown;
    for (TransferDeviceWidget *button : gridButtons()) {
        TransferDevice *device = button->device();
        if (device && !shown.contains(device->deviceId())) {
            shown.insert(device->deviceId(), button);
        } else {
            DeviceGrid->removeWidget(button);
            button->retire();
        }
    }

    QList<TransferDeviceWidget *> buttons;
    const unsigned count = store->count();
    for (unsigned index = 0; index < count; ++index) {
        std::unique_ptr<TransferDevice> device(store->deviceAt(index));
        if (!device)
            continue;
        if (TransferDeviceWidget *button = shown.take(device->deviceId())) {
            // Kept with its own record, which a running dialog may hold.
            button->device()->reload();
            button->refresh();
            buttons.append(button);
        } else {
            buttons.append(makeDeviceButton(device.release()));
        }
    }
    // Gone from the store; a button whose handler still runs goes after it.
    for (TransferDeviceWidget *button : std::as_const(shown)) {
        DeviceGrid->removeWidget(button);
        button->retire();
    }
    placeButtons(buttons);
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
