#include "transfer/imageprogressparser.h"

#include <QRegularExpression>

#include <algorithm>

namespace Zarnet {

double ImageProgressParser::feed(const QByteArray &chunk)
{
    static const QRegularExpression done(QStringLiteral("([0-9]+(?:\\.[0-9]+)?)% done"));
    double fraction = -1;
    m_tail += chunk;
    qsizetype start = 0;
    for (qsizetype i = 0; i < m_tail.size(); ++i) {
        const char c = m_tail.at(i);
        if (c != '\n' && c != '\r')
            continue;
        const QRegularExpressionMatch match
            = done.match(QString::fromLatin1(m_tail.constData() + start, i - start));
        if (match.hasMatch())
            fraction = std::clamp(match.captured(1).toDouble() / 100, 0.0, 1.0);
        start = i + 1;
    }
    m_tail.remove(0, start);
    // A line never ends: keep only what a progress line could need.
    if (m_tail.size() > 4096)
        m_tail.remove(0, m_tail.size() - 4096);
    return fraction;
}

} // namespace Zarnet
