#include "host/playlistwidget.h"

#include "host/medialibrary.h"
#include "host/urilistmimedata.h"

#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

PlaylistWidget::PlaylistWidget(MediaLibrary *library, int playlistId, QWidget *parent)
    : QListWidget(parent)
    , m_library(library)
    , m_playlistId(playlistId)
{
    setObjectName(QStringLiteral("PlaylistList"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    connect(this, &QListWidget::itemDoubleClicked, this,
        [this](QListWidgetItem *item) { emit playRequested(item->data(Qt::UserRole).toLongLong()); });
    connect(library, &MediaLibrary::changed, this, &PlaylistWidget::pruneMissing);
}

QString PlaylistWidget::itemUri(int playlistId, qint64 itemId, int position)
{
    return QStringLiteral("kavo_playlist_item:/%1/%2/%3").arg(playlistId).arg(itemId).arg(position);
}

void PlaylistWidget::append(qint64 itemId)
{
    const MediaLibrary::Item *entry = m_library->item(itemId);
    if (!entry)
        return;
    auto *item = new QListWidgetItem(style()->standardIcon(QStyle::SP_MediaPlay), entry->title, this);
    item->setData(Qt::UserRole, itemId);
    item->setToolTip(entry->path);
}

void PlaylistWidget::removeSelected()
{
    qDeleteAll(selectedItems());
}

void PlaylistWidget::pruneMissing()
{
    for (int i = count() - 1; i >= 0; --i) {
        if (!m_library->item(item(i)->data(Qt::UserRole).toLongLong()))
            delete takeItem(i);
    }
}

QStringList PlaylistWidget::mimeTypes() const
{
    return { QStringLiteral("text/uri-list") };
}

QMimeData *PlaylistWidget::mimeData(const QList<QListWidgetItem *> &items) const
{
    QList<QListWidgetItem *> ordered = items;
    std::sort(ordered.begin(), ordered.end(),
        [this](QListWidgetItem *a, QListWidgetItem *b) { return row(a) < row(b); });
    QStringList uris;
    for (QListWidgetItem *item : ordered)
        uris << itemUri(m_playlistId, item->data(Qt::UserRole).toLongLong(), row(item));
    return new UriListMimeData(uris);
}

void PlaylistWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier && currentItem()) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            emit playRequested(currentItem()->data(Qt::UserRole).toLongLong());
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            removeSelected();
            return;
        }
    }
    QListWidget::keyPressEvent(event);
}
