#include "widgets/zrtmenu.h"
#include "widgets/zrttoolbarmenu.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>

#include <gtest/gtest.h>

using Zarnet::ZRTMenu;
using Zarnet::ZRTToolBarMenu;

TEST(ZRTMenu, CarriesTheMenuLookWithEmLengthsInPixels)
{
    QWidget parent;
    ZRTMenu menu(&parent);
    EXPECT_EQ(menu.parentWidget(), &parent);
    const QString sheet = menu.styleSheet();
    EXPECT_FALSE(sheet.contains(QStringLiteral("em;")));
    EXPECT_FALSE(sheet.contains(QLatin1Char('\n')));
    EXPECT_TRUE(sheet.contains(QStringLiteral("background: rgba(0, 0, 0, 92%)")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("padding-right: 17px")));
    // 1em became the font's size in pixels.
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("padding-left: \\d+px"))));
    EXPECT_TRUE(menu.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(menu.testAttribute(Qt::WA_TranslucentBackground));
}

TEST(ZRTMenu, RulesComeInTheirOrder)
{
    const QString sheet = ZRTMenu::menuStyleSheet();
    const QStringList selectors = { QStringLiteral("QMenu {"), QStringLiteral("QMenu::item {"),
        QStringLiteral("QMenu::item:checked {"), QStringLiteral("QMenu::item:selected {"),
        QStringLiteral("QMenu::item:disabled {"), QStringLiteral("QMenu::separator {"),
        QStringLiteral("QMenu::right-arrow {"), QStringLiteral("QMenu::indicator:non-exclusive:checked {"),
        QStringLiteral("QMenu::indicator:exclusive:checked {") };
    qsizetype last = -1;
    for (const QString &selector : selectors) {
        const qsizetype at = sheet.indexOf(selector);
        ASSERT_GT(at, last) << selector.toStdString();
        last = at;
    }
    EXPECT_TRUE(sheet.contains(QStringLiteral(
        "QMenu::item:selected { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #08C3F4, "
        "stop:1 #0C9EC4); color: #FFFFFF; }")));
    // The two indicator rules say the same.
    const QString nonExclusive = sheet.section(QStringLiteral("QMenu::indicator:non-exclusive:checked"), 1)
                                     .section(QLatin1Char('}'), 0, 0);
    const QString exclusive = sheet.section(QStringLiteral("QMenu::indicator:exclusive:checked"), 1)
                                  .section(QLatin1Char('}'), 0, 0);
    EXPECT_EQ(nonExclusive, exclusive);
    EXPECT_TRUE(exclusive.contains(QStringLiteral("border-image: url(:/Menu/Check)")));
}

TEST(ZRTMenu, TitleConstructor)
{
    ZRTMenu menu(QStringLiteral("Transfer to"), nullptr);
    EXPECT_EQ(menu.title(), QStringLiteral("Transfer to"));
    EXPECT_EQ(menu.parentWidget(), nullptr);
    EXPECT_FALSE(menu.styleSheet().isEmpty());
    EXPECT_TRUE(menu.testAttribute(Qt::WA_TranslucentBackground));
}

TEST(ZRTToolBarMenu, IsAFramelessTranslucentDialog)
{
    ZRTToolBarMenu panel;
    EXPECT_EQ(int(panel.windowFlags()), 0x803);
    EXPECT_TRUE(panel.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(panel.isWindow());
}

TEST(ZRTToolBarMenu, SwallowsClicks)
{
    ZRTToolBarMenu panel;
    panel.resize(100, 100);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &press);
    EXPECT_TRUE(press.isAccepted());

    // A plain frame lets the same click through.
    QFrame plain;
    QMouseEvent again(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&plain, &again);
    EXPECT_FALSE(again.isAccepted());
}
