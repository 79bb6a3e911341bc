#pragma once

#include <QMimeData>
#include <QStringList>

// A drag payload whose "text/uri-list" is kept as the text given. Qt turns a
// uri-list into QUrls, and "kavo_playlist_item:" (its '_' is not allowed in
// a scheme) would come out as empty lines.
class UriListMimeData : public QMimeData
{
    Q_OBJECT

public:
    explicit UriListMimeData(const QStringList &uris);

    // The uri-list text: one entry a line, each ended by CR LF.
    static QByteArray uriList(const QStringList &uris);

    QStringList formats() const override;
    bool hasFormat(const QString &mimeType) const override;

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override;

private:
    QByteArray m_text;
};
