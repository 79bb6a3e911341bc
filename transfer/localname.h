#pragma once

#include <QByteArray>
#include <QString>

namespace Zarnet {

// A file's name as the system stores it (bytes, not always valid UTF-8)
// carried in a QString without loss: each byte that is not part of valid
// UTF-8 stands as the lone surrogate U+DC80 + byte, as Python's
// "surrogateescape" does. QFile::encodeName cannot give such bytes back.
class LocalName
{
public:
    static QString decode(const QByteArray &bytes);
    static QByteArray encode(const QString &name);
    // Whether name holds bytes that are not UTF-8: such a file can only be
    // reached through encode, never through QFile or a child's argument.
    static bool isRaw(const QString &name);
    // name for a person or a new file: each stray byte becomes U+FFFD.
    static QString readable(const QString &name);
};

} // namespace Zarnet
