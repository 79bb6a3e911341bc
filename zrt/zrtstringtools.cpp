#include "zrt/zrtstringtools.h"

namespace Zarnet {

std::string ZRTStringTools::toStdStringUTF8(const QString &text)
{
    return text.toStdString();
}

QString ZRTStringTools::fromStdStringUTF8(const std::string &bytes)
{
    return QString::fromStdString(bytes);
}

} // namespace Zarnet
