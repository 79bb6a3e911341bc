#include "transfer/imageprogressparser.h"

#include <QRegularExpression>

#include <algorithm>

namespace Zarnet {

double ImageProgressParser::feed(const QByteArray &chunk)
{
    static const QRegularExpression done(QStringLiteral("([0-9]+(?:\\.[0-9]+)?)% done"));
    double fraction = -1;
    for (const QByteArray &line : m_lines.feed(chunk)) {
        const QRegularExpressionMatch match = done.match(QString::fromLatin1(line));
        if (match.hasMatch())
            fraction = std::clamp(match.captured(1).toDouble() / 100, 0.0, 1.0);
    }
    return fraction;
}

} // namespace Zarnet
