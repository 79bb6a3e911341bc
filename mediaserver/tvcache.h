#pragma once

#include <QString>

// Where the media server keeps the copies it converted for TVs that cannot
// play a file as it is: $XDG_CACHE_HOME/Kavo/MediaServer, one folder per
// source (named after its path, size and time, so a changed file is
// converted again). Bounded in size: the entries used least recently go
// first. Using an entry marks it used.
class TvCache
{
public:
    static constexpr qint64 DefaultLimitBytes = Q_INT64_C(8) << 30;

    explicit TvCache(qint64 limitBytes = DefaultLimitBytes, const QString &folder = QString());

    QString folder() const { return m_folder; }
    // The folder for a source's copy (not made yet).
    QString entryFor(const QString &source) const;
    // The copy already made for a source, marked used; empty if none.
    QString copyOf(const QString &source) const;
    // Marks an entry used now.
    static void touch(const QString &entry);
    // Removes the least recently used entries until the rest fit, keeping
    // the one given (in use now) whatever its size.
    void trim(const QString &keep = QString()) const;

private:
    qint64 m_limit;
    QString m_folder;
};
