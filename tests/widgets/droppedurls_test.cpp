// Drops on a device button: what the drag's URI list is read as, and what a
// drop through Qt's own delivery (enter, then drop) hands to the wizard or
// says to the user.
#include "host/urilistmimedata.h"
#include "tests/pane/panetestsupport.h"
#include "widgets/droppedurls.h"
#include "widgets/transferdevicewidget.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGridLayout>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Files that exist, a folder, and a path that no longer does.
struct DropFiles
{
    DropFiles()
    {
        QFile(dir.filePath(QStringLiteral("a.mp4"))).open(QIODevice::WriteOnly);
        QFile(dir.filePath(QStringLiteral("my clip.mkv"))).open(QIODevice::WriteOnly);
    }
    QString url(const QString &name) const
    {
        return QString::fromLatin1(QUrl::fromLocalFile(dir.filePath(name)).toEncoded());
    }
    QTemporaryDir dir;
};

} // namespace

TEST(DroppedUrls, PlaylistItemsNeedThreeDecimalNumbers)
{
    const std::pair<const char *, qint64> cases[] = {
        { "kavo_playlist_item:/5/123/7", 123 },
        { "KAVO_PLAYLIST_ITEM:/5/123/7", 123 },
        { "kavo_playlist_item://player/5/123/7", 123 },
        { "kavo_playlist_item:/5/18446744073709551615/7", -1 /* the largest, as unsigned */ },
        { "kavo_playlist_item:/5/x/7", 0 },
        { "kavo_playlist_item:/5/123", 0 },
        { "kavo_playlist_item:/5/123/7/9", 0 },
        { "kavo_playlist_item:/5/+123/7", 0 },
        { "kavo_playlist_item:/5/0x7b/7", 0 },
        { "kavo_playlist_item:/5/18446744073709551616/7", 0 },
        { "file:///5/123/7", 0 },
    };
    for (const auto &[text, expected] : cases) {
        quint64 id = 0;
        const bool parsed = Zarnet::DroppedUrls::parsePlaylistItem(QString::fromLatin1(text), &id);
        EXPECT_EQ(parsed, expected != 0) << text;
        if (expected != 0) {
            EXPECT_EQ(id, static_cast<quint64>(expected)) << text;
        }
    }
}

TEST(DeviceButtonDrop, HandsWhatItCanToTheWizardAndSaysWhatItCannot)
{
    DropFiles files;
    PaneHarness harness;
    harness.setUp();
    QCoreApplication::processEvents();
    QWidget *contents
        = harness.showButton.popup()->findChild<QWidget *>(QStringLiteral("DeviceScrollWidgetContents"));
    auto *button = qobject_cast<Zarnet::TransferDeviceWidget *>(
        qobject_cast<QGridLayout *>(contents->layout())->itemAtPosition(0, 0)->widget());
    ASSERT_NE(button, nullptr);
    const unsigned deviceId = 10000;
    harness.host.items.insert(123, QUrl::fromLocalFile(files.dir.filePath(QStringLiteral("a.mp4"))));
    harness.host.items.insert(124, QUrl::fromLocalFile(files.dir.filePath(QStringLiteral("gone.mp4"))));

    struct Case
    {
        const char *what;
        QStringList uris;
        QStringList toWizard; // empty: nothing handed over
        QString box; // empty: none shown
    };
    const QString web = QStringLiteral("https://example.com/a.mp4");
    const Case cases[] = {
        { "no URLs", {}, {}, {} },
        { "only comments", { QStringLiteral("# from a file manager") }, {}, {} },
        { "only web addresses", { web, QStringLiteral("http://example.com/b.mkv") }, {}, {} },
        { "a file and a web address", { files.url(QStringLiteral("a.mp4")), web },
            { files.url(QStringLiteral("a.mp4")), web }, {} },
        { "a file named with a blank", { files.url(QStringLiteral("my clip.mkv")) },
            { files.url(QStringLiteral("my clip.mkv")) }, {} },
        { "a playlist item the player knows", { QStringLiteral("kavo_playlist_item:/5/123/7") },
            { files.url(QStringLiteral("a.mp4")) }, {} },
        { "a playlist item it does not know", { QStringLiteral("kavo_playlist_item:/5/999/7") },
            { QStringLiteral("kavo_playlist_item:/5/999/7") }, {} },
        { "a malformed playlist item", { QStringLiteral("kavo_playlist_item:/5/x/7") }, {},
            QStringLiteral("Unrecognized File|This file was not recognized.") },
        { "two malformed playlist items",
            { QStringLiteral("kavo_playlist_item:/5/x/7"), QStringLiteral("kavo_playlist_item:/1/2") }, {},
            QStringLiteral("Unrecognized Files|These files were not recognized.") },
        { "a folder", { files.url(QString()) }, { files.url(QString()) }, {} },
        { "a file that has vanished", { files.url(QStringLiteral("gone.mp4")) }, {},
            QStringLiteral("File Not Found|This file no longer exists.") },
        { "a playlist item whose file has vanished", { QStringLiteral("kavo_playlist_item:/5/124/7") }, {},
            QStringLiteral("File Not Found|This file no longer exists.") },
        { "a vanished file beside one that is there",
            { files.url(QStringLiteral("gone.mp4")), files.url(QStringLiteral("a.mp4")) },
            { files.url(QStringLiteral("a.mp4")) }, {} },
    };
    const auto dropOn = [button](const QMimeData &data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button, &enter);
        // Qt delivers the drop only where the enter was accepted.
        if (enter.isAccepted()) {
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(button, &drop);
        }
    };
    // A path as plain text is no URI list.
    QMimeData text;
    text.setText(files.dir.filePath(QStringLiteral("a.mp4")));
    dropOn(text);
    EXPECT_TRUE(harness.transfers.empty());
    for (const Case &c : cases) {
        harness.transfers.clear();
        const std::size_t runs = harness.runner.runs().size();
        if (!c.box.isEmpty())
            harness.runner.answer(Answers::acceptBox);
        dropOn(UriListMimeData(c.uris));
        QStringList handed;
        for (const TransferCall &call : harness.transfers) {
            EXPECT_EQ(call.target, deviceId) << c.what;
            for (const QUrl &url : call.urls)
                handed << Zarnet::TransferWizard::urlText(url);
        }
        QStringList expected;
        for (const QString &uri : c.toWizard)
            expected << Zarnet::TransferWizard::urlText(QUrl::fromEncoded(uri.toUtf8()));
        EXPECT_EQ(handed, expected) << c.what;
        QString box;
        if (harness.runner.runs().size() > runs)
            box = harness.runner.runs().back().title + QLatin1Char('|') + harness.runner.runs().back().text;
        EXPECT_EQ(box, c.box) << c.what;
    }
}
