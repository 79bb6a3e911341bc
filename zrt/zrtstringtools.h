#pragma once

#include "zrt/zrtglobal.h"

#include <QString>

#include <string>

namespace Zarnet {

class ZRT_EXPORT ZRTStringTools
{
public:
    static std::string toStdStringUTF8(const QString &text);
    static QString fromStdStringUTF8(const std::string &bytes);
};

} // namespace Zarnet
