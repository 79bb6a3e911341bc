// The media server's window: on the screen it opens on, every control
// explained and named for assistive tools, the name field renaming.
#include "mediaserver/mediaserver.h"
#include "mediaserver/mediaserverwindow.h"
#include "mediaserver/sharingservice.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(MediaServerWindowTest, FitsOnItsScreenWhereverItOpens)
{
    MediaServer server(false);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const struct
    {
        QPoint at;
        QSize size;
    } cases[] = {
        { available.bottomRight() - QPoint(100, 50), { 420, 300 } }, // partly below and right
        { available.topLeft() - QPoint(200, 200), { 420, 300 } },
        { available.topLeft(), available.size() * 2 },
    };
    for (const auto &c : cases) {
        MediaServerWindow window(&server);
        window.resize(c.size);
        window.move(c.at);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(available.contains(window.frameGeometry())) << c.at.x() << ',' << c.at.y();
    }
}

TEST(MediaServerWindowTest, EveryControlHasATooltipAndAnAccessibleName)
{
    MediaServer server(false);
    SharingService sharing(&server);
    MediaServerWindow window(&server, &sharing);
    int controls = 0;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!qobject_cast<QAbstractButton *>(widget) && !qobject_cast<QLineEdit *>(widget)
            && !qobject_cast<QListWidget *>(widget))
            continue;
        ++controls;
        EXPECT_FALSE(widget->toolTip().isEmpty()) << widget->objectName().toStdString();
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
    }
    EXPECT_EQ(controls, 3);

    auto *name = window.findChild<QLineEdit *>(u"ServerName"_s);
    ASSERT_TRUE(name);
    EXPECT_EQ(name->text(), sharing.name());
    name->setText(u"Living room"_s);
    emit name->editingFinished();
    EXPECT_EQ(sharing.name(), u"Living room"_s);
    name->clear();
    emit name->editingFinished();
    EXPECT_NE(sharing.name(), u"Living room"_s);
    EXPECT_FALSE(name->text().isEmpty());
}

} // namespace
