// Renders the pane's pop-ups as the user sees them, over the black of a
// playing video, and keeps the pictures for a person to look at.
#include "tests/widgets/panelayout.h"

#include "devices/transferdevice.h"
#include "devices/transferdevices.h"
#include "widgets/transferdevicewidget.h"
#include "widgets/zrttoolbarmenu.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace widgetstest;

namespace {

QString outputDir()
{
    const QString fromEnv = qEnvironmentVariable("KAVO_SCREENSHOT_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(KAVO_DEFAULT_SCREENSHOT_DIR) : fromEnv;
}

// The widget as drawn over a video frame: a mid grey, so that a panel that
// failed to paint its own dark background shows.
QImage render(QWidget *widget)
{
    widget->show();
    QApplication::processEvents();
    // Only what the widgets paint themselves: the pop-ups are translucent windows.
    QImage own(widget->size(), QImage::Format_ARGB32_Premultiplied);
    own.fill(Qt::transparent);
    widget->render(&own, QPoint(), QRegion(), QWidget::DrawChildren);
    QImage out(own.size(), QImage::Format_RGB32);
    out.fill(QColor(128, 128, 128));
    QPainter painter(&out);
    painter.drawImage(0, 0, own);
    return out;
}

bool save(const QImage &image, const QString &name)
{
    QDir().mkpath(outputDir());
    return image.save(QDir(outputDir()).filePath(name), "PNG");
}

int luminance(QRgb pixel)
{
    return qGray(pixel);
}

// The brightest and the mean luminance inside a rectangle.
struct Light
{
    int brightest = 0;
    double mean = 0;
};

Light lightIn(const QImage &image, const QRect &rect)
{
    Light light;
    const QRect r = rect.intersected(image.rect());
    long sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const int l = luminance(image.pixel(x, y));
            light.brightest = std::max(light.brightest, l);
            sum += l;
        }
    }
    light.mean = r.isEmpty() ? 0 : double(sum) / (r.width() * r.height());
    return light;
}

QRect inside(QWidget *child, QWidget *top)
{
    return QRect(child->mapTo(top, QPoint(0, 0)), child->size());
}

struct Seed
{
    int type;
    const char *name;
    bool configured;
};

} // namespace

class PaneScreenshots : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (auto *device : removed)
            store()->removeDevice(device);
    }
    // Records the buttons own; removal from the store happens through a copy.
    std::vector<TransferDevicesLibrary::TransferDevice *> removed;

    void fill(TestDevicePane &pane, const std::vector<Seed> &seeds)
    {
        for (const Seed &seed : seeds) {
            TransferDevicesLibrary::TransferDevice *device
                = makeDevice(seed.type, seed.name, seed.configured);
            ASSERT_NE(device, nullptr);
            removed.push_back(store()->deviceById(device->deviceId()));
            pane.addDevice(device);
        }
    }

    // The panel is dark, the caption and the device names are light.
    void expectReadable(TestDevicePane &pane, const QImage &image)
    {
        const Light caption = lightIn(image, inside(pane.DragFilesLabel, pane.frame));
        EXPECT_GT(caption.brightest, 140);
        const Light add = lightIn(image, inside(pane.AddDevice, pane.frame));
        EXPECT_GT(add.brightest, 140);
        // A strip of bare panel between the caption and the grid.
        const QRect gap(4, pane.DragFilesLabel->geometry().bottom() + 2, pane.frame->width() - 8, 3);
        EXPECT_LT(lightIn(image, gap).mean, 60.0);
        for (int i = 0; i < pane.grid()->count(); ++i) {
            auto *button = qobject_cast<Zarnet::TransferDeviceWidget *>(pane.grid()->itemAt(i)->widget());
            ASSERT_NE(button, nullptr);
            QToolButton *shown
                = button->ButtonStack->currentIndex() == 1 ? button->ActiveButton : button->InactiveButton;
            const QRect face = inside(shown, pane.frame);
            // The name sits in the lower third, under the icon.
            const QRect nameBand(
                face.left(), face.top() + face.height() * 2 / 3, face.width(), face.height() / 3);
            EXPECT_GT(lightIn(image, nameBand).brightest, 150) << shown->text().toStdString();
            // A name wider than its button is elided there, and whole in the tip.
            if (QFontMetrics(shown->font()).horizontalAdvance(shown->text()) > face.width()) {
                EXPECT_TRUE(shown->toolTip().contains(shown->text().toHtmlEscaped()))
                    << shown->text().toStdString();
            }
        }
    }
};

TEST_F(PaneScreenshots, FourDevicesAsOnFirstRun)
{
    TestDevicePane pane;
    fill(pane,
        { { 0, "DVD Player", false }, { 1, "Blu-ray Player", false }, { 2, "TV", false },
            { 3,
                "PlayStation\xc2\xae"
                "3",
                false } });
    const QImage image = render(pane.frame);
    ASSERT_TRUE(save(image, QStringLiteral("pane-4-devices.png")));
    EXPECT_EQ(pane.grid()->columnCount(), 1);
    expectReadable(pane, image);
}

TEST_F(PaneScreenshots, FiveDevicesInTwoColumns)
{
    TestDevicePane pane;
    fill(pane,
        { { 0, "DVD Player", true }, { 1, "Blu-ray Player", false },
            { 2, "Living Room TV", true }, // longer than the button
            { 3,
                "PlayStation\xc2\xae"
                "3",
                true },
            { 2, "Bedroom TV", false } });
    const QImage image = render(pane.frame);
    ASSERT_TRUE(save(image, QStringLiteral("pane-5-devices.png")));
    EXPECT_EQ(pane.grid()->columnCount(), 2);
    expectReadable(pane, image);
}

TEST_F(PaneScreenshots, DeviceButtonsInBothLooksAndEveryType)
{
    // One row per look, one column per type, as the pane would size them.
    TestDevicePane pane;
    std::vector<Seed> seeds;
    const char *names[] = { "DVD Player", "Blu-ray Player", "TV",
        "PlayStation\xc2\xae"
        "3" };
    for (int configured = 1; configured >= 0; --configured)
        for (int type = 0; type < 4; ++type)
            seeds.push_back({ type, names[type], configured == 1 });
    for (const Seed &seed : seeds) {
        TransferDevicesLibrary::TransferDevice *device = makeDevice(seed.type, seed.name, seed.configured);
        ASSERT_NE(device, nullptr);
        removed.push_back(store()->deviceById(device->deviceId()));
        Zarnet::TransferDeviceWidget *button = pane.addDevice(device);
        const QImage single = render(button);
        const QString file = QStringLiteral("devicebutton-%1-%2.png")
                                 .arg(button->ActiveButton->windowTitle().toLower(),
                                     seed.configured ? QStringLiteral("active") : QStringLiteral("inactive"));
        ASSERT_TRUE(save(single, file));
    }
    const QImage image = render(pane.frame);
    ASSERT_TRUE(save(image, QStringLiteral("devicebuttons.png")));
    expectReadable(pane, image);
}

TEST_F(PaneScreenshots, StreamingPopup)
{
    TestStreamingPopup popup;
    // The tool-bar button fits the pop-up to its contents before showing it.
    popup.frame->adjustSize();
    const QImage image = render(popup.frame);
    ASSERT_TRUE(save(image, QStringLiteral("streaming-popup.png")));
    for (QToolButton *button : { popup.StreamToBtn, popup.SettingsBtn }) {
        const QRect face = inside(button, popup.frame);
        EXPECT_GT(lightIn(image, face.adjusted(0, face.height() * 2 / 3, 0, 0)).brightest, 150);
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), face.width());
    }
}

TEST_F(PaneScreenshots, AllImagesOnThePanel)
{
    // Every image of the resource tree at three times its size, on the panel's colour.
    QStringList paths;
    for (const char *root : { ":/ControlBar", ":/DevicePane" }) {
        QDirIterator it(QString::fromLatin1(root), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths << it.next();
    }
    paths.sort();
    ASSERT_EQ(paths.size(), 20);
    QImage sheet(1400, 1500, QImage::Format_RGB32);
    sheet.fill(QColor(24, 24, 24));
    QPainter painter(&sheet);
    int x = 10, y = 10, rowHeight = 0;
    for (const QString &path : paths) {
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        const QSize size = image.size() * 3;
        if (x + size.width() > sheet.width() - 10) {
            x = 10;
            y += rowHeight + 10;
            rowHeight = 0;
        }
        painter.drawImage(QRect(QPoint(x, y), size), image);
        x += size.width() + 10;
        rowHeight = std::max(rowHeight, size.height());
    }
    painter.end();
    EXPECT_LE(y + rowHeight, sheet.height());
    ASSERT_TRUE(save(sheet, QStringLiteral("pane-images.png")));
}

TEST_F(PaneScreenshots, ManyDevicesWithLongNamesAndKeyboardFocus)
{
    // A player window 1280 pixels wide; the pane takes at most a third of it
    // and scrolls down.
    TestDevicePane pane;
    pane.harness.showButton.resize(1280, 720);
    pane.harness.showButton.show();
    const char *rooms[] = { "Living Room Television", "Kids' Bedroom Blu-ray Player", "R&D Lab TV",
        "Guest House PlayStation\xc2\xae"
        "3",
        "Kitchen", "Den DVD" };
    std::vector<Seed> seeds;
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i)
        names.push_back(std::string(rooms[i % 6]) + " " + std::to_string(i + 1));
    for (int i = 0; i < 40; ++i)
        seeds.push_back({ i % 4, names[i].c_str(), i % 3 != 0 });
    fill(pane, seeds);
    auto *area = pane.frame->findChild<QScrollArea *>(QStringLiteral("DeviceScrollArea"));
    ASSERT_NE(area, nullptr);

    pane.frame->show();
    QApplication::processEvents();
    auto *first = qobject_cast<Zarnet::TransferDeviceWidget *>(pane.grid()->itemAt(0)->widget());
    ASSERT_NE(first, nullptr);
    QToolButton *face = first->ButtonStack->currentIndex() == 1 ? first->ActiveButton : first->InactiveButton;
    face->setFocus(Qt::TabFocusReason);
    const QImage image = render(pane.frame);
    ASSERT_TRUE(save(image, QStringLiteral("pane-40-devices-focus.png")));
    EXPECT_LE(pane.frame->width(), 1280 / 3);
    EXPECT_EQ(pane.grid()->count(), 40);
    // The focused button is marked: its frame holds light pixels besides the name.
    const QRect marked = inside(first, pane.frame);
    const QRect ringSide(marked.left(), marked.top() + marked.height() / 2, 4, 4);
    EXPECT_GT(lightIn(image, ringSide).brightest, 150);

    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    pane.AddDevice->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(save(render(pane.frame), QStringLiteral("pane-40-devices-scrolled.png")));
}
