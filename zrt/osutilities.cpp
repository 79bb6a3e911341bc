#include "zrt/osutilities.h"

#include "zrt/interfacelanguage.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QWidget>

#include <cmath>

namespace Zarnet {

std::string OSUtilities::getComponentIdUTF8()
{
    static const std::string id = [] {
        const QByteArray fromEnv = qgetenv("KAVO_COMPONENT_ID");
        return fromEnv.isEmpty() ? std::string("KavoPlayer") : fromEnv.toStdString();
    }();
    return id;
}

QString OSUtilities::getLanguageCode()
{
    return InterfaceLanguage::current().section(QLatin1Char('_'), 0, 0);
}

void OSUtilities::FixEmExStyleSheet(QWidget *widget)
{
    if (!widget)
        return;
    const QString sheet = widget->styleSheet();
    if (sheet.isEmpty())
        return;
    const QFontMetricsF metrics(widget->font());
    const qreal em = widget->font().pixelSize() > 0 ? widget->font().pixelSize() : metrics.height();
    const qreal ex = metrics.xHeight();
    static const QRegularExpression length(QStringLiteral("(\\d+(?:\\.\\d+)?|\\.\\d+)(em|ex)\\b"));
    QString fixed;
    qsizetype last = 0;
    auto it = length.globalMatch(sheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        fixed += QStringView(sheet).mid(last, match.capturedStart() - last);
        const qreal value = match.captured(1).toDouble();
        const qreal unit = match.captured(2) == QLatin1String("em") ? em : ex;
        fixed += QString::number(qRound(value * unit)) + QLatin1String("px");
        last = match.capturedEnd();
    }
    if (last == 0)
        return;
    fixed += QStringView(sheet).mid(last);
    widget->setStyleSheet(fixed);
}

} // namespace Zarnet
