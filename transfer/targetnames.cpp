#include "transfer/targetnames.h"

#include <QFileInfo>
#include <QStorageInfo>

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

QString cut(const QString &text, int length)
{
    if (length <= 0)
        return {};
    if (text.size() <= length)
        return text;
    return text.left(text.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

QString asciiOnly(const QString &text)
{
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.unicode() < 0x80)
            out += c;
        else if (c.category() != QChar::Mark_NonSpacing && !c.isLowSurrogate())
            out += QLatin1Char('_');
    }
    return out;
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
    QString text = rules.ascii ? asciiOnly(name) : name;
    for (QChar &c : text) {
        if (forbidden(c, rules))
            c = QLatin1Char('_');
    }
    if (rules.fat || rules.joliet)
        text = trimEnd(text.trimmed());
    split(text, base, extension);
    if (rules.fat || rules.joliet)
        *base = trimEnd(*base);
    *base = trimEnd(cut(*base, rules.maxLength - int(extension->size())));
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
        candidate = cut(base, maxLength - int(suffix.size() + extension.size())) + suffix + extension;
    }
    taken->insert(key(candidate, caseBlind));
    return candidate;
}

} // namespace Zarnet
