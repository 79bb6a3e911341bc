#pragma once

#include "plugin/mediamanagerinterface.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// The player's media: the video files of one folder, each with an id that
// stays the same while the folder is shown. It resolves ids for plug-ins.
class MediaLibrary : public QObject, public MediaManagerInterface
{
    Q_OBJECT

public:
    struct Item
    {
        qint64 id = 0;
        QString path;
        QString title;
    };

    explicit MediaLibrary(QObject *parent = nullptr);

    static const QStringList &videoSuffixes();

    // Replaces the items by the video files under the folder (sub-folders
    // included, by name). False when the folder cannot be read.
    bool loadFolder(const QString &folder);
    QString folder() const { return m_folder; }
    const QList<Item> &items() const { return m_items; }
    // Null when there is no item with that id.
    const Item *item(qint64 id) const;

    bool findMediaFile(qint64 id, kvtl::RefCountedPtr<MediaFileInterface> &out) override;

signals:
    void changed();

private:
    QString m_folder;
    QList<Item> m_items;
    qint64 m_nextId = 101;
};
