#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSet>
#include <QString>

namespace Zarnet {

// Names for the destination's file system, fixed before any work starts.
class TargetNames
{
public:
    struct Rules
    {
        bool fat = false; // no \ / : * ? " < > |, no trailing dot or space, case-blind
        bool ascii = false;
        int maxLength = 255; // characters of the whole name
        bool joliet = false; // also no ';'
        int maxBytes = 255; // the whole name's bytes as the file system stores them (UTF-8)
    };

    // FAT as the kernel or a FUSE driver names it ("vfat", "msdos", "fuse.fusefat").
    static bool isFat(const QByteArray &fileSystemType);
    static bool isFat32(const QByteArray &fileSystemType); // exFAT has FAT's names but no 4 GiB limit
    static QByteArray fileSystemType(const QString &folder);

    // A name the rules accept, as close to name as they allow; the extension
    // is kept whole.
    static QString clean(const QString &name, const Rules &rules);

    // name, or "base (2).ext" and on, so that it clashes with nothing in
    // taken; compared case-blind when caseBlind. The result is added to taken.
    static QString unique(const QString &name, QSet<QString> *taken, bool caseBlind, int maxLength = 255);
    // text, shortened to at most length characters and bytes of UTF-8,
    // never inside a character.
    static QString cut(const QString &text, int length, int bytes = 255);
    // Latin letters for any script ICU can spell out, ASCII for the rest of
    // Latin; '_' only for what has no spelling.
    static QString toAscii(const QString &text);
    // The form names are compared in, for taken.
    static QString key(const QString &name, bool caseBlind);

    Q_DECLARE_TR_FUNCTIONS(Zarnet::TargetNames)
};

} // namespace Zarnet
