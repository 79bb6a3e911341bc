#include "transfer/targetnames.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>

namespace Zarnet {

namespace {

bool forbidden(QChar c, const TargetNames::Rules &rules)
{
    if (c.unicode() < 0x20 || c == QLatin1Char('/'))
        return true;
    if (rules.joliet && c == QLatin1Char(';'))
        return true;
    return (rules.fat || rules.joliet) && QStringLiteral("\\:*?\"<>|").contains(c);
}

QString trimEnd(QString text)
{
    while (!text.isEmpty() && (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(' '))))
        text.chop(1);
    return text;
}

QString cut(const QString &text, int length, int bytes = 255)
{
    return TargetNames::cut(text, length, bytes);
}

bool reservedOnFat(const QString &base)
{
    static const QSet<QString> names = [] {
        QSet<QString> set { QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
            QStringLiteral("NUL") };
        for (int i = 1; i <= 9; ++i)
            set << QStringLiteral("COM%1").arg(i) << QStringLiteral("LPT%1").arg(i);
        return set;
    }();
    return names.contains(base.toUpper());
}

void split(const QString &name, QString *base, QString *extension)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && name.size() - dot <= 6) {
        *base = name.left(dot);
        *extension = name.mid(dot);
    } else {
        *base = name;
        extension->clear();
    }
}

// The rules applied to name; the base may come out empty.
void applyRules(const QString &name, const TargetNames::Rules &rules, QString *base, QString *extension)
{
    QString text = rules.ascii ? TargetNames::toAscii(name) : name;
    for (QChar &c : text) {
        if (forbidden(c, rules))
            c = QLatin1Char('_');
    }
    if (rules.fat || rules.joliet)
        text = trimEnd(text.trimmed());
    split(text, base, extension);
    if (rules.fat || rules.joliet)
        *base = trimEnd(*base);
    *base = trimEnd(cut(
        *base, rules.maxLength - int(extension->size()), rules.maxBytes - int(extension->toUtf8().size())));
}

} // namespace

bool TargetNames::isFat(const QByteArray &type)
{
    return isFat32(type) || type == "exfat" || type == "fuse.exfat" || type == "fuseblk.exfat";
}

bool TargetNames::isFat32(const QByteArray &type)
{
    return type == "vfat" || type == "msdos" || type == "fat" || type == "fuse.fusefat" || type == "fusefat";
}

QByteArray TargetNames::fileSystemType(const QString &folder)
{
    return QStorageInfo(folder).fileSystemType();
}

QString TargetNames::clean(const QString &name, const Rules &rules)
{
    QString base;
    QString extension;
    applyRules(name, rules, &base, &extension);
    if (base.isEmpty()) {
        // Nothing usable left: a word in the user's language, as far as the rules let it through.
        Rules word = rules;
        word.maxLength -= int(extension.size());
        QString wordExtension;
        applyRules(tr("video"), word, &base, &wordExtension);
        base += wordExtension;
        if (base.isEmpty())
            base = QStringLiteral("video");
    }
    if (rules.fat && reservedOnFat(base))
        base += QLatin1Char('_');
    return base + extension;
}

QString TargetNames::cut(const QString &text, int length, int bytes)
{
    int units = 0;
    int used = 0;
    int characters = 0;
    while (units < text.size()) {
        const bool pair = text.at(units).isHighSurrogate() && units + 1 < text.size();
        const char32_t code
            = pair ? QChar::surrogateToUcs4(text.at(units), text.at(units + 1)) : text.at(units).unicode();
        const int size = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        if (characters + 1 > length || used + size > bytes)
            break;
        used += size;
        ++characters;
        units += pair ? 2 : 1;
    }
    return text.left(units);
}

QString TargetNames::toAscii(const QString &text)
{
    static const std::unique_ptr<icu::Transliterator> latin = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8("Any-Latin; Latin-ASCII"), UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    QString spelled = text;
    if (latin) {
        icu::UnicodeString unicode(reinterpret_cast<const UChar *>(text.utf16()), int32_t(text.size()));
        latin->transliterate(unicode);
        spelled = QString(reinterpret_cast<const QChar *>(unicode.getBuffer()), unicode.length());
    }
    QString out;
    for (QChar c : spelled.normalized(QString::NormalizationForm_KD)) {
        if (c.unicode() < 0x80)
            out += c;
        else if (c.category() != QChar::Mark_NonSpacing && !c.isLowSurrogate())
            out += QLatin1Char('_');
    }
    return out;
}

QString TargetNames::key(const QString &name, bool caseBlind)
{
    return caseBlind ? name.toCaseFolded() : name;
}

QString TargetNames::unique(const QString &name, QSet<QString> *taken, bool caseBlind, int maxLength)
{
    QString candidate = name;
    QString base;
    QString extension;
    split(name, &base, &extension);
    for (int n = 2; taken->contains(key(candidate, caseBlind)); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        candidate = cut(base, maxLength - int(suffix.size() + extension.size()),
                        255 - int(suffix.size() + extension.toUtf8().size()))
            + suffix + extension;
    }
    taken->insert(key(candidate, caseBlind));
    return candidate;
}

} // namespace Zarnet
