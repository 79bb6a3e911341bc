// The control bar's button: its pop-up opens above it, follows the window,
// closes with the window, and only one pop-up of the bar is open at a time.
#include "host/playertoolbarbutton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>

#include <gmock/gmock.h>

#include <memory>

namespace {

class ToolBarButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(600, 400);
        bar = new QToolBar(&window);
        window.addToolBar(Qt::BottomToolBarArea, bar);
        first = new PlayerToolBarButton(bar);
        second = new PlayerToolBarButton(bar);
        bar->addWidget(first);
        bar->addWidget(second);
        for (auto *popup : { &firstPopup, &secondPopup }) {
            *popup = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::FramelessWindowHint);
            (*popup)->resize(200, 120);
        }
        first->setPopup(firstPopup.get());
        second->setPopup(secondPopup.get());
        first->setCheckable(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void TearDown() override
    {
        for (auto *popup : { firstPopup.get(), secondPopup.get() }) {
            if (popup)
                popup->hide();
        }
    }

    QMainWindow window;
    QToolBar *bar = nullptr;
    PlayerToolBarButton *first = nullptr;
    PlayerToolBarButton *second = nullptr;
    std::unique_ptr<QWidget> firstPopup;
    std::unique_ptr<QWidget> secondPopup;
};

bool standsOn(QWidget *popup, QWidget *button)
{
    return popup->frameGeometry().bottom() + 1 == button->mapToGlobal(QPoint(0, 0)).y();
}

} // namespace

TEST_F(ToolBarButtonTest, AClickOpensThePopupAboveTheButtonAndTheNextClosesIt)
{
    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_TRUE(first->isPopupShown());
    EXPECT_TRUE(standsOn(firstPopup.get(), first));
    EXPECT_TRUE(first->isChecked());
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_FALSE(first->isPopupShown());
    EXPECT_FALSE(first->isChecked());
}

TEST_F(ToolBarButtonTest, OnlyOnePopupOfTheBarIsOpen)
{
    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_TRUE(first->isPopupShown());
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(second->isPopupShown());
    EXPECT_FALSE(first->isPopupShown());
    EXPECT_FALSE(first->isChecked());
}

TEST_F(ToolBarButtonTest, ASentReleaseFollowsAPopupThePluginShowed)
{
    // What the pane does when its menu command opens the pane.
    firstPopup->show();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(first->pos()),
        first->mapToGlobal(QPointF(first->pos())), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(first, &release);
    EXPECT_TRUE(first->isChecked());
    EXPECT_TRUE(standsOn(firstPopup.get(), first));

    // And when it hides it again: the release comes first, then the hide.
    QMouseEvent again(QEvent::MouseButtonRelease, QPointF(first->pos()),
        first->mapToGlobal(QPointF(first->pos())), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(first, &again);
    firstPopup->hide();
    EXPECT_FALSE(first->isChecked());
}

TEST_F(ToolBarButtonTest, ThePopupFollowsTheWindowAndItsOwnSize)
{
    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_TRUE(first->isPopupShown());
    window.resize(700, 500);
    ASSERT_TRUE(QTest::qWaitFor([this] { return standsOn(firstPopup.get(), first); }));
    firstPopup->resize(220, 200);
    EXPECT_TRUE(QTest::qWaitFor([this] { return standsOn(firstPopup.get(), first); }));
}

TEST_F(ToolBarButtonTest, HidingTheWindowOrDisablingTheButtonClosesThePopup)
{
    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_TRUE(first->isPopupShown());
    first->setEnabledSlot(false);
    EXPECT_FALSE(first->isPopupShown());
    EXPECT_FALSE(first->isChecked());

    first->setEnabledSlot(true);
    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_TRUE(first->isPopupShown());
    window.hide();
    EXPECT_FALSE(first->isPopupShown());
}

TEST_F(ToolBarButtonTest, APopupGoneWithItsPluginLeavesAHarmlessButton)
{
    firstPopup.reset();
    EXPECT_EQ(first->popup(), nullptr);
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_FALSE(first->isPopupShown());
}
