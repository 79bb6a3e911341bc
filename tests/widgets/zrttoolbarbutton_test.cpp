#include "zrt/zrttoolbarbutton.h"

#include "widgets/zrttoolbarmenu.h"

#include <QApplication>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using Zarnet::ZRTToolBarButton;
using Zarnet::ZRTToolBarMenu;

namespace {

// A host window at (100, 100), 400 x 300, with the button inside it.
class ToolBarButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setGeometry(100, 100, 400, 300);
        button = new ZRTToolBarButton(&window);
        button->setGeometry(50, 250, 40, 40);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_EQ(window.geometry(), QRect(100, 100, 400, 300));
        popup = std::make_unique<ZRTToolBarMenu>();
    }

    void place() { ASSERT_TRUE(QMetaObject::invokeMethod(button, "placePopup")); }
    void hide() { ASSERT_TRUE(QMetaObject::invokeMethod(button, "hidePopup")); }

    QWidget window;
    ZRTToolBarButton *button = nullptr;
    std::unique_ptr<ZRTToolBarMenu> popup;
};

} // namespace

TEST(ZRTToolBarButtonMeta, SlotsInOrderWithTheirAccess)
{
    const QMetaObject &meta = ZRTToolBarButton::staticMetaObject;
    const QStringList expected = { QStringLiteral("setPopup(QWidget*)"),
        QStringLiteral("setEnabledSlot(bool)"), QStringLiteral("setVisibleSlot(bool)"),
        QStringLiteral("hidePopup()"), QStringLiteral("placePopup()") };
    ASSERT_EQ(meta.methodCount() - meta.methodOffset(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaMethod m = meta.method(meta.methodOffset() + i);
        EXPECT_EQ(QString::fromLatin1(m.methodSignature()), expected[i]);
        EXPECT_EQ(m.methodType(), QMetaMethod::Slot);
        EXPECT_EQ(m.access(), i < 3 ? QMetaMethod::Public : QMetaMethod::Protected) << i;
    }
    EXPECT_EQ(meta.method(meta.methodOffset()).parameterNames(), QList<QByteArray> { "popup" });
    EXPECT_EQ(meta.method(meta.methodOffset() + 1).parameterNames(), QList<QByteArray> { "state" });
    EXPECT_EQ(meta.method(meta.methodOffset() + 2).parameterNames(), QList<QByteArray> { "state" });
    EXPECT_STREQ(meta.className(), "Zarnet::ZRTToolBarButton");
}

TEST_F(ToolBarButtonTest, EnabledAndVisibleSlots)
{
    button->setEnabledSlot(false);
    EXPECT_FALSE(button->isEnabled());
    button->setEnabledSlot(true);
    EXPECT_TRUE(button->isEnabled());
    button->setVisibleSlot(false);
    EXPECT_FALSE(button->isVisible());
    button->setVisibleSlot(true);
    EXPECT_TRUE(button->isVisible());
}

TEST_F(ToolBarButtonTest, PlacesThePopupRightAboveTheButton)
{
    popup->setFixedSize(120, 80);
    button->setPopup(popup.get());
    place();
    EXPECT_EQ(popup->frameGeometry().topLeft(), QPoint(150, 350 - 80));
}

TEST_F(ToolBarButtonTest, KeepsThePopupInsideTheWindowOnTheLeft)
{
    popup->setFixedSize(120, 80);
    button->setPopup(popup.get());
    button->move(-20, 250);
    place();
    EXPECT_EQ(popup->frameGeometry().topLeft(), QPoint(100, 270));
}

TEST_F(ToolBarButtonTest, ClampsAtTheWindowsRightEdge)
{
    popup->setFixedSize(120, 80);
    button->setPopup(popup.get());
    button->move(350, 250);
    place();
    // The window's last column is 499.
    EXPECT_EQ(popup->frameGeometry().left(), 499 - 120);
}

TEST_F(ToolBarButtonTest, APopupWiderThanTheWindowOverhangsOnTheLeft)
{
    popup->setFixedSize(500, 80);
    button->setPopup(popup.get());
    place();
    EXPECT_EQ(popup->frameGeometry().left(), 499 - 500);
    EXPECT_LT(popup->frameGeometry().left(), window.geometry().left());
}

TEST_F(ToolBarButtonTest, VerticalPositionIsNotClamped)
{
    popup->setFixedSize(120, 500);
    button->setPopup(popup.get());
    place();
    EXPECT_EQ(popup->frameGeometry().top(), 350 - 500);
}

TEST_F(ToolBarButtonTest, HidePopupWithNoneSetDoesNothing)
{
    button->hideTimer()->start();
    hide();
    EXPECT_TRUE(button->hideTimer()->isActive());
    place();
}

TEST_F(ToolBarButtonTest, HidePopupKeepsItOpenUnderThePointer)
{
    button->setPopup(popup.get());
    popup->show();
    popup->setAttribute(Qt::WA_UnderMouse, true);
    button->hideTimer()->start();
    hide();
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(button->hideTimer()->isActive());

    popup->setAttribute(Qt::WA_UnderMouse, false);
    hide();
    EXPECT_FALSE(popup->isVisible());
    EXPECT_FALSE(button->hideTimer()->isActive());
}

TEST_F(ToolBarButtonTest, ClicksShowAndHideThePopup)
{
    popup->setFixedSize(120, 80);
    button->setPopup(popup.get());
    button->setCheckable(true);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(popup->frameGeometry().topLeft(), QPoint(150, 270));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_FALSE(button->isChecked());
}

TEST_F(ToolBarButtonTest, ASentReleaseFollowsThePluginsShowAndHide)
{
    // What the pane does from its menu: show, then release; release, then hide.
    popup->setFixedSize(120, 80);
    button->setPopup(popup.get());
    button->setCheckable(true);
    auto release = [this] {
        QMouseEvent event(QEvent::MouseButtonRelease, QPointF(button->pos()),
            button->mapToGlobal(QPointF(0, 0)), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    };
    popup->show();
    release();
    EXPECT_TRUE(button->isChecked());
    EXPECT_EQ(popup->frameGeometry().topLeft(), QPoint(150, 270));
    release();
    popup->hide();
    EXPECT_FALSE(button->isChecked());
}

TEST_F(ToolBarButtonTest, LeavingStartsTheHideTimerUnlessThePopupStaysOpen)
{
    button->setPopup(popup.get());
    popup->show();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_TRUE(button->hideTimer()->isActive());
    button->hideTimer()->stop();

    button->setPopupStaysOpen(true);
    EXPECT_TRUE(button->popupStaysOpen());
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->hideTimer()->isActive());
}

TEST_F(ToolBarButtonTest, APopupDestroyedFirstIsForgotten)
{
    button->setPopup(popup.get());
    popup.reset();
    EXPECT_EQ(button->popup(), nullptr);
    hide();
    place();
    QTest::mouseClick(button, Qt::LeftButton);
}
