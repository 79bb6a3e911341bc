#include "host/medialistwidget.h"

#include "host/medialibrary.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>

#include <algorithm>

MediaListWidget::MediaListWidget(MediaLibrary *library, QWidget *parent)
    : QListWidget(parent)
    , m_library(library)
{
    setObjectName(QStringLiteral("MediaLibraryList"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setUniformItemSizes(true);
    setAlternatingRowColors(true);
    connect(this, &QListWidget::itemDoubleClicked, this,
        [this](QListWidgetItem *item) { emit playRequested(item->data(Qt::UserRole).toLongLong()); });
    connect(library, &MediaLibrary::changed, this, &MediaListWidget::reload);
    reload();
}

void MediaListWidget::reload()
{
    clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const MediaLibrary::Item &entry : m_library->items()) {
        auto *item = new QListWidgetItem(icon, entry.title, this);
        item->setData(Qt::UserRole, entry.id);
        item->setToolTip(entry.path);
    }
}

QList<qint64> MediaListWidget::selectedIds() const
{
    QList<QListWidgetItem *> items = selectedItems();
    std::sort(items.begin(), items.end(),
        [this](QListWidgetItem *a, QListWidgetItem *b) { return row(a) < row(b); });
    QList<qint64> ids;
    for (QListWidgetItem *item : items)
        ids << item->data(Qt::UserRole).toLongLong();
    return ids;
}

bool MediaListWidget::isSelectionEmpty()
{
    return selectedIds().isEmpty();
}

QList<QUrl> MediaListWidget::selectedUrls(int)
{
    QList<QUrl> urls;
    for (qint64 id : selectedIds()) {
        if (const MediaLibrary::Item *entry = m_library->item(id))
            urls << QUrl::fromLocalFile(entry->path);
    }
    return urls;
}

QStringList MediaListWidget::mimeTypes() const
{
    return { QStringLiteral("text/uri-list") };
}

QMimeData *MediaListWidget::mimeData(const QList<QListWidgetItem *> &items) const
{
    QList<QUrl> urls;
    for (QListWidgetItem *item : items) {
        if (const MediaLibrary::Item *entry = m_library->item(item->data(Qt::UserRole).toLongLong()))
            urls << QUrl::fromLocalFile(entry->path);
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

void MediaListWidget::keyPressEvent(QKeyEvent *event)
{
    // Enter plays even on platforms whose style does not activate on it.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()
        && event->modifiers() == Qt::NoModifier) {
        emit playRequested(currentItem()->data(Qt::UserRole).toLongLong());
        return;
    }
    QListWidget::keyPressEvent(event);
}
