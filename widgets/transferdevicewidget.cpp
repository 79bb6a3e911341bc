#include "widgets/transferdevicewidget.h"

#include "devices/devicetype.h"
#include "devices/transferdevice.h"
#include "pane/devicepane.h"
#include "plugin/plugininterfaceref.h"
#include "widgets/focusmark.h"
#include "widgets/zrtmenu.h"
#include "zrt/transferwizard.h"
#include "zrt/zrtstringtools.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QStyle>

#include <memory>

namespace Zarnet {

namespace {
// The spoken type names come from the type table; marked here for lupdate.
[[maybe_unused]] constexpr const char *typeLabels[] = {
    QT_TRANSLATE_NOOP("Zarnet::TransferDeviceWidget", "DVD Player"),
    QT_TRANSLATE_NOOP("Zarnet::TransferDeviceWidget", "Blu-ray Player"),
    QT_TRANSLATE_NOOP("Zarnet::TransferDeviceWidget", "TV"),
    QT_TRANSLATE_NOOP("Zarnet::TransferDeviceWidget", "PlayStation®3"),
};

// The inactive text colour is rgba() with an explicit alpha: Qt 6 rejects
// rgba() with three components, and the name would fall back to black on the
// dark pane.
const QString &inactiveButtonSheet()
{
    static const QString sheet = QStringLiteral("QToolButton#InactiveButton {\n"
                                                "border: 0px solid transparent;\n"
                                                "background-color: transparent;\n"
                                                "border-image: url(:/DevicePane/DeviceButton/Disabled);\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/DVD);\n"
                                                "color: rgba(194, 194, 194, 255);\n"
                                                "padding-top: 0.5em;\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#InactiveButton:hover {\n"
                                                "border-image: url(:/DevicePane/DeviceButton/Hover);\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#InactiveButton[windowTitle=\"DVD\"] {\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/DVD);\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#InactiveButton[windowTitle=\"Console\"] {\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/Console);\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#InactiveButton[windowTitle=\"TV\"] {\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/TV);\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#InactiveButton[windowTitle=\"BluRay\"] {\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/BluRay);\n"
                                                "}");
    return sheet;
}

const QString &activeButtonSheet()
{
    static const QString sheet = QStringLiteral("QToolButton#ActiveButton {\n"
                                                "border: 0px solid transparent;\n"
                                                "border-image: url(:/DevicePane/DeviceButton/Normal);\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/DVD);\n"
                                                "color: #C2C2C2;\n"
                                                "padding-top: 0.5em;\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#ActiveButton:hover {\n"
                                                "border-image: url(:/DevicePane/DeviceButton/Hover);\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#ActiveButton[windowTitle=\"DVD\"] {\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/DVD);\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#ActiveButton[windowTitle=\"Console\"] {\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/Console);\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#ActiveButton[windowTitle=\"TV\"] {\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/TV);\n"
                                                "}\n"
                                                "\n"
                                                "QToolButton#ActiveButton[windowTitle=\"BluRay\"] {\n"
                                                "qproperty-icon: url(:/DevicePane/Icon/BluRay);\n"
                                                "}");
    return sheet;
}

} // namespace

void TransferDeviceWidget::styleButtonHolder(QWidget *holder)
{
    if (!holder)
        return;
    QString sheet = holder->styleSheet();
    if (!sheet.isEmpty())
        sheet += QLatin1String("\n\n");
    holder->setStyleSheet(sheet + inactiveButtonSheet() + QLatin1String("\n\n") + activeButtonSheet());
}

TransferDeviceWidget::TransferDeviceWidget(Orbe::PluginContext *context, DevicePane *pane,
    TransferDevicesLibrary::TransferDevice *device, QWidget *parent)
    : QWidget(parent)
    , m_device(device)
    , m_context(context)
    , m_pane(pane)
{
    setupUi(this);
    connect(ActiveButton, &QToolButton::clicked, this, &TransferDeviceWidget::invokeTransfer);
    connect(InactiveButton, &QToolButton::clicked, this, &TransferDeviceWidget::invokeTransfer);
    m_focusMark = new FocusMark(this, { ActiveButton, InactiveButton });
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
    // Screen readers get the name whole, with what kind of device it is.
    const char *label = TransferDevicesLibrary::deviceTypeLabel(m_device->type());
    const QString spoken = label ? tr("%1, %2").arg(name, tr(label)) : name;
    InactiveButton->setAccessibleName(spoken);
    ActiveButton->setAccessibleName(spoken);

    // An unknown type keeps the titles, and with them the icon, it had.
    if (const char *key = TransferDevicesLibrary::deviceTypeIconKey(m_device->type())) {
        const QString title = QString::fromLatin1(key);
        InactiveButton->setWindowTitle(title);
        ActiveButton->setWindowTitle(title);
    }

    ButtonStack->setCurrentWidget(m_device->hasBeenConfigured() ? ActivePage : InactivePage);

    // Polishing again makes the holder's title selectors match the new title.
    // A button no sheet has reached yet gets them when it is placed.
    for (QToolButton *button : { ActiveButton, InactiveButton }) {
        if (!button->testAttribute(Qt::WA_StyleSheet))
            continue;
        button->style()->unpolish(button);
        button->style()->polish(button);
    }
}

TransferDeviceWidget::BusyScope::BusyScope(TransferDeviceWidget *button)
    : m_button(button)
{
    if (m_button)
        ++m_button->m_busy;
}

TransferDeviceWidget::BusyScope::~BusyScope()
{
    if (!m_button)
        return;
    // Deferred: the handler that ends here still has to return through the
    // button; the deletion runs once control is back in this event loop.
    if (--m_button->m_busy == 0 && m_button->m_retired)
        m_button->deleteLater();
}

void TransferDeviceWidget::retire()
{
    if (m_retired)
        return;
    m_retired = true;
    hide();
    if (!m_busy)
        deleteLater();
}

void TransferDeviceWidget::invokeTransfer()
{
    if (!m_device)
        return;
    const BusyScope busy(this);
    if (m_retired && m_pane) {
        // Chosen from a menu that was open while the device went away.
        m_pane->deviceStillExists(this);
        return;
    }
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
    const BusyScope busy(this);
    // From the keyboard (Menu key, Shift+F10) the menu opens at the button,
    // not wherever the mouse pointer happens to be.
    const bool fromMouse = event && event->reason() == QContextMenuEvent::Mouse;
    const QPoint at = fromMouse ? QCursor::pos() : mapToGlobal(rect().center());
    QString name = ZRTStringTools::fromStdStringUTF8(m_device->name());
    name.replace(QLatin1Char('&'), QLatin1String("&&"));
    const std::unique_ptr<ZRTMenu> menu(new ZRTMenu(nullptr));
    menu->addAction(tr("Transfer Videos to \"%1\"").arg(name), this, &TransferDeviceWidget::invokeTransfer);
    menu->addSeparator();
    QAction *edit = menu->addAction(tr("Edit"), this, &TransferDeviceWidget::editMenuItemSelected);
    QAction *remove = menu->addAction(tr("Delete"), this, &TransferDeviceWidget::deleteMenuItemSelected);
    if (m_device->isReadOnly()) {
        // The pane's own text, so one translation covers both.
        const QString why
            = QCoreApplication::translate("Zarnet::DevicePane", "The device list is read-only.");
        for (QAction *action : { edit, remove }) {
            action->setEnabled(false);
            action->setToolTip(why);
        }
        menu->setToolTipsVisible(true);
    }
    menu->exec(at);
}

void TransferDeviceWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint centre = rect().center();
        QContextMenuEvent menuEvent(
            QContextMenuEvent::Keyboard, centre, mapToGlobal(centre), event->modifiers());
        contextMenuEvent(&menuEvent);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TransferDeviceWidget::editMenuItemSelected()
{
    const BusyScope busy(this);
    if (m_pane)
        m_pane->editDevice(this);
}

void TransferDeviceWidget::deleteMenuItemSelected()
{
    const BusyScope busy(this);
    if (m_pane)
        m_pane->deleteDevice(this, true);
}

void TransferDeviceWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    Q_UNUSED(event);
}

} // namespace Zarnet
