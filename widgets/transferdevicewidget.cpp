#include "widgets/transferdevicewidget.h"

#include "devices/devicetype.h"
#include "devices/transferdevice.h"
#include "pane/devicepane.h"
#include "plugin/plugininterfaceref.h"
#include "widgets/zrtmenu.h"
#include "zrt/transferwizard.h"
#include "zrt/zrtstringtools.h"

#include <QContextMenuEvent>
#include <QCursor>

#include <memory>

namespace Zarnet {

// The form's inactive sheet gives its text colour as rgba() with an explicit
// alpha: Qt 6 rejects rgba() with three components, and the name would fall
// back to black on the dark pane.

TransferDeviceWidget::TransferDeviceWidget(Orbe::PluginContext *context, DevicePane *pane,
                                           TransferDevicesLibrary::TransferDevice *device,
                                           QWidget *parent)
    : QWidget(parent)
    , m_device(device)
    , m_context(context)
    , m_pane(pane)
{
    setupUi(this);
    connect(ActiveButton, &QToolButton::clicked, this, &TransferDeviceWidget::invokeTransfer);
    connect(InactiveButton, &QToolButton::clicked, this, &TransferDeviceWidget::invokeTransfer);
    refresh();
    setAcceptDrops(true);
}

TransferDeviceWidget::~TransferDeviceWidget()
{
    delete m_dragLookup;
    delete m_device;
}

void TransferDeviceWidget::refresh()
{
    if (!m_device)
        return;
    const QString name = ZRTStringTools::fromStdStringUTF8(m_device->name());
    // Tool buttons would read "&" as a mnemonic; double it so the name shows as typed.
    QString text = name;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    InactiveButton->setText(text);
    ActiveButton->setText(text);
    // A long name is elided on the button; the tip shows all of it.
    const QString tip = QLatin1String("<qt>") + name.toHtmlEscaped() + QLatin1String("</qt>");
    InactiveButton->setToolTip(tip);
    ActiveButton->setToolTip(tip);

    // An unknown type keeps the titles, and with them the icon, it had.
    if (const char *key = TransferDevicesLibrary::deviceTypeIconKey(m_device->type())) {
        const QString title = QString::fromLatin1(key);
        InactiveButton->setWindowTitle(title);
        ActiveButton->setWindowTitle(title);
    }

    ButtonStack->setCurrentWidget(m_device->hasBeenConfigured() ? ActivePage : InactivePage);

    // Setting the sheet again makes the title selectors match the new title.
    ActiveButton->setStyleSheet(ActiveButton->styleSheet());
    InactiveButton->setStyleSheet(InactiveButton->styleSheet());
}

void TransferDeviceWidget::invokeTransfer()
{
    if (!m_device)
        return;
    TransferWizard::transferFiles(QList<QUrl>(), QString(), m_device->deviceId());
    if (m_pane)
        m_pane->afterFilesTransferred();
}

void TransferDeviceWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (event)
        event->accept();
    if (!m_device)
        return;
    QString name = ZRTStringTools::fromStdStringUTF8(m_device->name());
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    const std::unique_ptr<ZRTMenu> menu(new ZRTMenu(nullptr));
    menu->addAction(tr("Transfer Videos to \"%1\"").arg(name), this,
                    &TransferDeviceWidget::invokeTransfer);
    menu->addSeparator();
    menu->addAction(tr("Edit"), this, &TransferDeviceWidget::editMenuItemSelected);
    menu->addAction(tr("Delete"), this, &TransferDeviceWidget::deleteMenuItemSelected);
    menu->exec(QCursor::pos());
}

void TransferDeviceWidget::editMenuItemSelected()
{
    if (m_pane)
        m_pane->editDevice(this);
}

void TransferDeviceWidget::deleteMenuItemSelected()
{
    if (m_pane)
        m_pane->deleteDevice(this, true);
}

void TransferDeviceWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    Q_UNUSED(event);
}

} // namespace Zarnet
