#include "transfer/localname.h"

namespace Zarnet {

namespace {

constexpr char16_t Escape = 0xdc80;

bool isEscaped(QChar c)
{
    return c.unicode() >= Escape && c.unicode() <= Escape + 0x7f;
}

// A stray byte: an escape that is not the low half of a pair.
bool isStray(const QString &name, int i)
{
    return isEscaped(name.at(i)) && (i == 0 || !name.at(i - 1).isHighSurrogate());
}

// The length of the valid UTF-8 sequence at data, or 0.
int validAt(const unsigned char *data, int left)
{
    const unsigned char lead = data[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned min = 0;
    unsigned code = 0;
    if ((lead & 0xe0) == 0xc0) {
        length = 2;
        min = 0x80;
        code = lead & 0x1f;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3;
        min = 0x800;
        code = lead & 0x0f;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4;
        min = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((data[i] & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (data[i] & 0x3f);
    }
    // Overlong forms, surrogates and what lies past Unicode are not UTF-8.
    if (code < min || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

} // namespace

QString LocalName::decode(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const int size = int(bytes.size());
    QString name;
    name.reserve(size);
    for (int i = 0; i < size;) {
        const int length = validAt(data + i, size - i);
        if (length == 0) {
            name += QChar(char16_t(Escape + (data[i] & 0x7f)));
            ++i;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + i, length);
        i += length;
    }
    return name;
}

QByteArray LocalName::encode(const QString &name)
{
    if (!isRaw(name))
        return name.toUtf8();
    QByteArray bytes;
    int start = 0;
    for (int i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !isStray(name, i))
            continue;
        bytes += QStringView(name).mid(start, i - start).toUtf8();
        if (i < name.size())
            bytes += char(0x80 | (name.at(i).unicode() - Escape));
        start = i + 1;
    }
    return bytes;
}

bool LocalName::isRaw(const QString &name)
{
    for (int i = 0; i < name.size(); ++i) {
        if (isStray(name, i))
            return true;
    }
    return false;
}

QString LocalName::readable(const QString &name)
{
    if (!isRaw(name))
        return name;
    QString text = name;
    for (int i = 0; i < text.size(); ++i) {
        if (isStray(name, i))
            text[i] = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

} // namespace Zarnet
