// The library list as media view and drag source, the playlist's drag
// payload, and the item being played.
#include "host/medialibrary.h"
#include "host/medialistwidget.h"
#include "host/nowplaying.h"
#include "host/playlistwidget.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>

#include <memory>

namespace {

class MediaViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *name : { "a.mp4", "b.mkv", "c.avi", "d e.mov" }) {
            QFile file(dir.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(library.loadFolder(dir.path()));
        ASSERT_EQ(library.items().size(), 4);
    }

    QUrl fileUrl(int row) const { return QUrl::fromLocalFile(library.items().at(row).path); }
    qint64 id(int row) const { return library.items().at(row).id; }

    QTemporaryDir dir;
    MediaLibrary library;
};

} // namespace

TEST_F(MediaViewTest, TheSelectionComesTopToBottomWhateverTheOrderItWasMadeIn)
{
    MediaListWidget list(&library);
    EXPECT_TRUE(list.isSelectionEmpty());
    EXPECT_TRUE(list.selectedUrls(0).isEmpty());
    list.item(3)->setSelected(true);
    list.item(1)->setSelected(true);
    EXPECT_FALSE(list.isSelectionEmpty());
    EXPECT_EQ(list.selectedUrls(0), (QList<QUrl> { fileUrl(1), fileUrl(3) }));
    EXPECT_EQ(list.selectedIds(), (QList<qint64> { id(1), id(3) }));
}

TEST_F(MediaViewTest, ALibraryDragCarriesFileUrls)
{
    MediaListWidget list(&library);
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(list.dragEnabled());
    const QList<QListWidgetItem *> items { list.item(0), list.item(3) };
    std::unique_ptr<QMimeData> data(
        list.model()->mimeData({ list.indexFromItem(items[0]), list.indexFromItem(items[1]) }));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->urls(), (QList<QUrl> { fileUrl(0), fileUrl(3) }));
    // A space in the name travels percent-encoded.
    EXPECT_TRUE(data->data(QStringLiteral("text/uri-list")).contains("d%20e.mov"));
}

TEST_F(MediaViewTest, APlaylistDragCarriesPlaylistItemUrisInRowOrder)
{
    PlaylistWidget playlist(&library, 5);
    playlist.append(id(2));
    playlist.append(id(0));
    playlist.append(id(1));
    playlist.append(9999); // not in the library: ignored
    ASSERT_EQ(playlist.count(), 3);
    std::unique_ptr<QMimeData> data(
        playlist.model()->mimeData({ playlist.model()->index(2, 0), playlist.model()->index(0, 0) }));
    ASSERT_TRUE(data);
    const QByteArray expected = "kavo_playlist_item:/5/" + QByteArray::number(id(2)) + "/0\r\n"
        + "kavo_playlist_item:/5/" + QByteArray::number(id(1)) + "/2\r\n";
    EXPECT_EQ(data->data(QStringLiteral("text/uri-list")), expected);
    EXPECT_EQ(PlaylistWidget::itemUri(1, 123, 7), QStringLiteral("kavo_playlist_item:/1/123/7"));
}

TEST_F(MediaViewTest, EnterOrDoubleClickAsksToPlay)
{
    MediaListWidget list(&library);
    QSignalSpy play(&list, &MediaListWidget::playRequested);
    list.setCurrentRow(2);
    QTest::keyClick(&list, Qt::Key_Return);
    ASSERT_EQ(play.count(), 1);
    EXPECT_EQ(play.at(0).at(0).toLongLong(), id(2));

    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const QPoint at = list.visualItemRect(list.item(1)).center();
    // As a mouse sends it: a click, then the second press as a double click.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_GE(play.count(), 2);
    EXPECT_EQ(play.last().at(0).toLongLong(), id(1));
}

TEST_F(MediaViewTest, NowPlayingAnswersForItsItemAndForgetsItWhenTheLibraryChanges)
{
    NowPlaying playing(&library);
    QSignalSpy changed(&playing, &NowPlaying::currentChanged);
    EXPECT_EQ(playing.currentItemId(), 0);
    EXPECT_TRUE(playing.itemUrl(playing.currentItemId()).isEmpty());

    playing.play(123456); // unknown: nothing happens
    EXPECT_EQ(playing.currentItemId(), 0);
    EXPECT_EQ(changed.count(), 0);

    playing.play(id(3));
    EXPECT_EQ(playing.currentItemId(), id(3));
    EXPECT_EQ(playing.itemUrl(id(3)), fileUrl(3));
    EXPECT_EQ(playing.title(), QStringLiteral("d e"));
    EXPECT_EQ(changed.count(), 1);

    QSignalSpy transferred(&playing, &NowPlaying::filesTransferred);
    playing.afterFilesTransferred();
    EXPECT_EQ(transferred.count(), 1);

    // The folder is read again: ids are new, the old item is gone.
    ASSERT_TRUE(library.loadFolder(dir.path()));
    EXPECT_EQ(playing.currentItemId(), 0);
    EXPECT_TRUE(playing.itemUrl(id(3)).isValid());
    EXPECT_EQ(changed.count(), 2);
}
