#include "widgets/transferdevicewidget.h"

#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "tests/widgets/panelayout.h"
#include "widgets/zrtmenu.h"
#include "zrt/transferwizard.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMetaMethod>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using TransferDevicesLibrary::TransferDevice;
using widgetstest::makeDevice;
using widgetstest::store;
using Zarnet::TransferDeviceWidget;

namespace {

struct WizardCall
{
    QList<QUrl> urls;
    QString text;
    unsigned deviceId;
};

class DeviceButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TransferDeviceWidget::styleButtonHolder(&holder);
        Zarnet::TransferWizard::setHook([this](const QList<QUrl> &urls, const QString &text, unsigned id) {
            calls.push_back({ urls, text, id });
            return 0;
        });
    }
    void TearDown() override
    {
        Zarnet::TransferWizard::setHook(nullptr);
        for (unsigned id : ids) {
            if (TransferDevice *copy = store()->deviceById(id))
                store()->removeDevice(copy);
        }
    }

    // A button over a new stored record, placed in a holder that carries the
    // buttons' look; the button owns the record.
    std::unique_ptr<TransferDeviceWidget> button(int type, const std::string &name, bool configured)
    {
        TransferDevice *device = makeDevice(type, name, configured);
        if (!device)
            return nullptr;
        ids.push_back(device->deviceId());
        auto widget = std::make_unique<TransferDeviceWidget>(nullptr, nullptr, device);
        widget->setParent(&holder);
        widget->ensurePolished();
        widget->ActiveButton->ensurePolished();
        widget->InactiveButton->ensurePolished();
        return widget;
    }

    std::vector<WizardCall> calls;
    std::vector<unsigned> ids;
    QWidget holder;
};

// The image size of a button's icon: every device icon has its own.
QSize iconImageSize(QToolButton *button)
{
    const QList<QSize> sizes = button->icon().availableSizes();
    return sizes.isEmpty() ? QSize() : sizes.first();
}

// Opens the button's context menu and hands the open menu to inspect.
void withContextMenu(TransferDeviceWidget *widget, const std::function<void(Zarnet::ZRTMenu *)> &inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<Zarnet::ZRTMenu *>(QApplication::activePopupWidget());
        seen = menu != nullptr;
        if (menu) {
            inspect(menu);
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget, &event);
    EXPECT_TRUE(seen);
}

} // namespace

TEST(DeviceButtonForm, BuildsTheWidgetTree)
{
    QWidget widget;
    Ui::DeviceButton ui;
    ui.setupUi(&widget);
    EXPECT_EQ(widget.objectName(), QStringLiteral("DeviceButton"));
    EXPECT_EQ(widget.windowTitle(), QStringLiteral("Unused"));
    EXPECT_TRUE(widget.styleSheet().isEmpty());
    EXPECT_EQ(widget.sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    EXPECT_EQ(widget.sizePolicy().verticalPolicy(), QSizePolicy::Preferred);

    for (QBoxLayout *layout :
        { static_cast<QBoxLayout *>(ui.horizontalLayout_2), static_cast<QBoxLayout *>(ui.horizontalLayout),
            static_cast<QBoxLayout *>(ui.horizontalLayout_3) }) {
        EXPECT_EQ(layout->spacing(), 0) << layout->objectName().toStdString();
        EXPECT_EQ(layout->contentsMargins(), QMargins(0, 0, 0, 0)) << layout->objectName().toStdString();
    }
    EXPECT_EQ(widget.layout(), ui.horizontalLayout_2);
    EXPECT_EQ(ui.horizontalLayout_2->itemAt(0)->widget(), ui.ButtonStack);
    EXPECT_EQ(ui.ButtonStack->objectName(), QStringLiteral("ButtonStack"));
    EXPECT_EQ(ui.ButtonStack->lineWidth(), 0);
    EXPECT_EQ(ui.ButtonStack->widget(0), ui.InactivePage);
    EXPECT_EQ(ui.ButtonStack->widget(1), ui.ActivePage);
    EXPECT_EQ(ui.ButtonStack->currentWidget(), ui.ActivePage);
    EXPECT_EQ(ui.InactivePage->layout(), ui.horizontalLayout);
    EXPECT_EQ(ui.ActivePage->layout(), ui.horizontalLayout_3);
    EXPECT_EQ(ui.horizontalLayout->itemAt(0)->widget(), ui.InactiveButton);
    EXPECT_EQ(ui.horizontalLayout_3->itemAt(0)->widget(), ui.ActiveButton);
    EXPECT_EQ(ui.InactivePage->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(ui.ActivePage->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);

    for (QToolButton *b : { ui.InactiveButton, ui.ActiveButton }) {
        EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_EQ(b->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        EXPECT_EQ(b->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        EXPECT_TRUE(b->isEnabled());
        EXPECT_TRUE(b->font().bold());
        EXPECT_FALSE(b->font().italic());
        EXPECT_FALSE(b->isCheckable());
        EXPECT_FALSE(b->isChecked());
        EXPECT_EQ(b->text(), QStringLiteral("PLACEHOLDER"));
    }
    EXPECT_EQ(ui.InactiveButton->iconSize(), QSize(85, 15));
    EXPECT_EQ(ui.ActiveButton->iconSize(), QSize(87, 31));

    // The look is the holder's, not each button's.
    EXPECT_TRUE(ui.InactiveButton->styleSheet().isEmpty());
    EXPECT_TRUE(ui.ActiveButton->styleSheet().isEmpty());
}

// Both buttons' rules follow the holder's own sheet, each in its order: base,
// hover, DVD, Console, TV, BluRay.
TEST(DeviceButtonLook, HolderCarriesBothSheetsAfterItsOwn)
{
    QWidget holder;
    holder.setStyleSheet(QStringLiteral("QWidget#Holder { background: black; }"));
    TransferDeviceWidget::styleButtonHolder(&holder);
    const QString all = holder.styleSheet();
    ASSERT_TRUE(all.startsWith(
        QStringLiteral("QWidget#Holder { background: black; }\n\nQToolButton#InactiveButton {")));
    const qsizetype start = all.indexOf(QStringLiteral("QToolButton#InactiveButton {"));
    const qsizetype split = all.indexOf(QStringLiteral("QToolButton#ActiveButton {"));
    ASSERT_GT(split, start);
    const QString inactive = all.mid(start, split - start);
    const QString active = all.mid(split);
    EXPECT_TRUE(inactive.startsWith(QStringLiteral(
        "QToolButton#InactiveButton {\nborder: 0px solid transparent;\nbackground-color: transparent;\n"
        "border-image: url(:/DevicePane/DeviceButton/Disabled);\nqproperty-icon: "
        "url(:/DevicePane/Icon/DVD);\n"
        "color: rgba(194, 194, 194, 255);\npadding-top: 0.5em;\n}")));
    EXPECT_TRUE(active.startsWith(
        QStringLiteral("QToolButton#ActiveButton {\nborder: 0px solid transparent;\nborder-image: "
                       "url(:/DevicePane/DeviceButton/Normal);\nqproperty-icon: "
                       "url(:/DevicePane/Icon/DVD);\ncolor: #C2C2C2;\n"
                       "padding-top: 0.5em;\n}")));
    for (const QString &name : { QStringLiteral("InactiveButton"), QStringLiteral("ActiveButton") }) {
        const QString &sheet = name == QLatin1String("ActiveButton") ? active : inactive;
        EXPECT_TRUE(sheet.contains(QStringLiteral("QToolButton#%1:hover {\nborder-image: "
                                                  "url(:/DevicePane/DeviceButton/Hover);\n}")
                                       .arg(name)));
        for (const QString &key : { QStringLiteral("DVD"), QStringLiteral("Console"), QStringLiteral("TV"),
                 QStringLiteral("BluRay") }) {
            EXPECT_TRUE(sheet.contains(QStringLiteral("QToolButton#%1[windowTitle=\"%2\"] {\nqproperty-icon: "
                                                      "url(:/DevicePane/Icon/%2);\n}")
                                           .arg(name, key)))
                << name.toStdString() << " " << key.toStdString();
        }
    }
    // The rules come in their order: base, hover, DVD, Console, TV, BluRay.
    EXPECT_LT(active.indexOf(QStringLiteral(":hover")), active.indexOf(QStringLiteral("\"DVD\"")));
    EXPECT_LT(active.indexOf(QStringLiteral("\"DVD\"")), active.indexOf(QStringLiteral("\"Console\"")));
    EXPECT_LT(active.indexOf(QStringLiteral("\"Console\"")), active.indexOf(QStringLiteral("\"TV\"")));
    EXPECT_LT(active.indexOf(QStringLiteral("\"TV\"")), active.indexOf(QStringLiteral("\"BluRay\"")));
    EXPECT_FALSE(active.contains(QStringLiteral("background-color")));
    EXPECT_TRUE(inactive.contains(QStringLiteral("background-color")));

    QWidget bare;
    TransferDeviceWidget::styleButtonHolder(&bare);
    EXPECT_TRUE(bare.styleSheet().startsWith(QStringLiteral("QToolButton#InactiveButton {")));
}

TEST(DeviceButtonMeta, SlotsInOrderAndNoSignals)
{
    const QMetaObject &meta = TransferDeviceWidget::staticMetaObject;
    const QStringList expected
        = { QStringLiteral("invokeTransfer()"), QStringLiteral("contextMenuEvent(QContextMenuEvent*)"),
              QStringLiteral("editMenuItemSelected()"), QStringLiteral("deleteMenuItemSelected()") };
    ASSERT_EQ(meta.methodCount() - meta.methodOffset(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaMethod m = meta.method(meta.methodOffset() + i);
        EXPECT_EQ(QString::fromLatin1(m.methodSignature()), expected[i]);
        EXPECT_EQ(m.methodType(), QMetaMethod::Slot);
        EXPECT_EQ(m.access(), QMetaMethod::Public);
    }
    EXPECT_EQ(meta.method(meta.methodOffset() + 1).parameterNames(), QList<QByteArray> { "event" });
    EXPECT_STREQ(meta.className(), "Zarnet::TransferDeviceWidget");
}

TEST_F(DeviceButtonTest, ShowsNameIconAndLook)
{
    const std::pair<int, QString> types[] = { { 0, QStringLiteral("DVD") }, { 1, QStringLiteral("BluRay") },
        { 2, QStringLiteral("TV") }, { 3, QStringLiteral("Console") } };
    const QSize images[] = { QSize(180, 33), QSize(180, 30), QSize(102, 70), QSize(105, 65) };
    for (const auto &[type, key] : types) {
        for (bool configured : { false, true }) {
            auto widget = button(type, "Player " + std::to_string(type), configured);
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->ActiveButton->text(), QStringLiteral("Player %1").arg(type));
            EXPECT_EQ(widget->InactiveButton->text(), QStringLiteral("Player %1").arg(type));
            EXPECT_EQ(widget->ActiveButton->windowTitle(), key);
            EXPECT_EQ(widget->InactiveButton->windowTitle(), key);
            EXPECT_EQ(
                widget->ButtonStack->currentWidget(), configured ? widget->ActivePage : widget->InactivePage);
            EXPECT_EQ(iconImageSize(widget->ActiveButton), images[type]) << key.toStdString();
            EXPECT_EQ(iconImageSize(widget->InactiveButton), images[type]) << key.toStdString();
            EXPECT_TRUE(widget->acceptDrops());
        }
    }
}

TEST_F(DeviceButtonTest, UnknownTypeKeepsTheBaseIcon)
{
    auto widget = button(4, "Projector", true);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->ActiveButton->windowTitle().isEmpty());
    EXPECT_TRUE(widget->InactiveButton->windowTitle().isEmpty());
    EXPECT_EQ(iconImageSize(widget->ActiveButton), QSize(180, 33));
    EXPECT_EQ(iconImageSize(widget->InactiveButton), QSize(180, 33));
}

TEST_F(DeviceButtonTest, IconFollowsTheTitleAfterATypeChange)
{
    auto widget = button(1, "Living room", false);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(iconImageSize(widget->InactiveButton), QSize(180, 30));
    widget->device()->setType(3);
    widget->device()->markConfigured();
    widget->refresh();
    EXPECT_EQ(widget->ActiveButton->windowTitle(), QStringLiteral("Console"));
    EXPECT_EQ(iconImageSize(widget->ActiveButton), QSize(105, 65));
    EXPECT_EQ(iconImageSize(widget->InactiveButton), QSize(105, 65));
    EXPECT_EQ(widget->ButtonStack->currentWidget(), widget->ActivePage);

    // An unknown type later on leaves the last title, and its icon, in place.
    widget->device()->setType(7);
    widget->refresh();
    EXPECT_EQ(widget->ActiveButton->windowTitle(), QStringLiteral("Console"));
    EXPECT_EQ(iconImageSize(widget->ActiveButton), QSize(105, 65));
}

TEST_F(DeviceButtonTest, NamesShowAsTyped)
{
    const std::string names[] = { "100% %1 Player", "Tom & Jerry's &TV", "\"Kids\" room", "<b>Den</b>",
        "\xd7\xa1\xd7\x9c\xd7\x95\xd7\x9f" /* Hebrew: living room */ };
    for (const std::string &name : names) {
        auto widget = button(2, name, true);
        ASSERT_NE(widget, nullptr);
        const QString expected = QString::fromStdString(name);
        QString shown = widget->ActiveButton->text();
        EXPECT_TRUE(widget->ActiveButton->shortcut().isEmpty()) << name;
        shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
        EXPECT_EQ(shown, expected);
        // The tip is rich text, so markup in a name is escaped there.
        EXPECT_EQ(
            widget->ActiveButton->toolTip(), QStringLiteral("<qt>%1</qt>").arg(expected.toHtmlEscaped()));
    }
}

TEST_F(DeviceButtonTest, RefreshWithoutARecordChangesNothing)
{
    auto widget = button(2, "TV", true);
    ASSERT_NE(widget, nullptr);
    TransferDevice *record = widget->device();
    widget->clearDevice();
    EXPECT_EQ(widget->device(), nullptr);
    delete record;
    widget->refresh();
    EXPECT_EQ(widget->ActiveButton->text(), QStringLiteral("TV"));
    widget->invokeTransfer();
    EXPECT_TRUE(calls.empty());
}

TEST_F(DeviceButtonTest, ClickingEitherLookOpensTheWizard)
{
    auto active = button(0, "DVD Player", true);
    auto inactive = button(1, "Blu-ray Player", false);
    ASSERT_NE(active, nullptr);
    ASSERT_NE(inactive, nullptr);
    active->resize(120, 70);
    inactive->resize(120, 70);
    active->show();
    inactive->show();
    QTest::mouseClick(active->ActiveButton, Qt::LeftButton);
    QTest::mouseClick(inactive->InactiveButton, Qt::LeftButton);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[0].urls.isEmpty());
    EXPECT_TRUE(calls[0].text.isEmpty());
    EXPECT_EQ(calls[0].deviceId, active->device()->deviceId());
    EXPECT_EQ(calls[1].deviceId, inactive->device()->deviceId());
}

TEST_F(DeviceButtonTest, ContextMenuOffersTransferEditDelete)
{
    auto widget = button(2, "100% %1 TV", true);
    ASSERT_NE(widget, nullptr);
    widget->show();
    withContextMenu(widget.get(), [&](Zarnet::ZRTMenu *menu) {
        const QList<QAction *> actions = menu->actions();
        ASSERT_EQ(actions.size(), 4);
        EXPECT_EQ(actions[0]->text(), QStringLiteral("Transfer Videos to \"100% %1 TV\""));
        EXPECT_TRUE(actions[1]->isSeparator());
        EXPECT_EQ(actions[2]->text(), QStringLiteral("Edit"));
        EXPECT_EQ(actions[3]->text(), QStringLiteral("Delete"));
        EXPECT_EQ(menu->parentWidget(), nullptr);
        EXPECT_FALSE(menu->styleSheet().isEmpty());
        // Choosing the first entry does what a click does.
        actions[0]->trigger();
    });
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].deviceId, widget->device()->deviceId());
    EXPECT_TRUE(calls[0].urls.isEmpty());
    // The menu is gone once it has closed.
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(DeviceButtonTest, EditAndDeleteWithoutAPaneDoNothing)
{
    auto widget = button(2, "TV", true);
    ASSERT_NE(widget, nullptr);
    widget->editMenuItemSelected();
    widget->deleteMenuItemSelected();
    EXPECT_NE(widget->device(), nullptr);
    EXPECT_TRUE(calls.empty());
}

TEST_F(DeviceButtonTest, ScreenReadersHearTheWholeNameAndType)
{
    auto widget = button(2, "Living Room Television", true);
    ASSERT_NE(widget, nullptr);
    for (QToolButton *face : { widget->ActiveButton, widget->InactiveButton }) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(face);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Living Room Television, TV"));
    }
}

TEST_F(DeviceButtonTest, KeyboardFocusIsMarkedAndTheKeyboardMenuOpensAtTheButton)
{
    auto widget = button(2, "TV", true);
    ASSERT_NE(widget, nullptr);
    holder.resize(400, 300);
    widget->setFixedSize(120, 70);
    widget->move(200, 150);
    holder.show();
    holder.activateWindow();
    QCoreApplication::processEvents();
    auto *mark = widget->findChild<QWidget *>(QStringLiteral("FocusMark"));
    ASSERT_NE(mark, nullptr);
    widget->ActiveButton->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(mark->isVisible());
    widget->ActiveButton->clearFocus();
    EXPECT_FALSE(mark->isVisible());
    widget->ActiveButton->setFocus(Qt::TabFocusReason);

    // The pointer is far away; the menu comes up on the button all the same.
    QCursor::setPos(holder.mapToGlobal(QPoint(2, 2)));
    const QRect onScreen(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    const auto opensOnTheButton = [&](const std::function<void()> &open) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget *menu = QApplication::activePopupWidget();
            seen = menu && onScreen.contains(menu->geometry().topLeft());
            if (menu)
                menu->close();
        });
        open();
        return seen;
    };
    EXPECT_TRUE(opensOnTheButton([&] {
        // What the window system sends for the Menu key: to the focused button.
        QContextMenuEvent event(
            QContextMenuEvent::Keyboard, QPoint(60, 35), widget->ActiveButton->mapToGlobal(QPoint(60, 35)));
        QApplication::sendEvent(widget->ActiveButton, &event);
    }));
    EXPECT_TRUE(
        opensOnTheButton([&] { QTest::keyClick(widget->ActiveButton, Qt::Key_F10, Qt::ShiftModifier); }));
}
