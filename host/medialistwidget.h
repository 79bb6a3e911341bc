#pragma once

#include "plugin/mediaviewinterface.h"

#include <QListWidget>

class MediaLibrary;

// The media library's list: several items can be selected and dragged out as
// file URLs (onto a device button, for example). Its selection is the media
// view that plug-ins read.
class MediaListWidget : public QListWidget, public MediaViewInterface
{
    Q_OBJECT

public:
    explicit MediaListWidget(MediaLibrary *library, QWidget *parent = nullptr);

    // Fills the list from the library again.
    void reload();
    // The library ids of the selected items, top to bottom.
    QList<qint64> selectedIds() const;

    bool isSelectionEmpty() override;
    QList<QUrl> selectedUrls(int flags) override;

signals:
    // Double click or Enter on an item.
    void playRequested(qint64 id);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    MediaLibrary *m_library;
};
