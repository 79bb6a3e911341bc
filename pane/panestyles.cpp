#include "pane/panestyles.h"

namespace Zarnet {
namespace PaneStyles {

const QString &showDeviceMenuButton()
{
    static const QString sheet
        = QStringLiteral("QToolButton { image: url(:/ControlBar/KavoToGo/Normal); }"
                         "QToolButton::hover { image: url(:/ControlBar/KavoToGo/Hover); }"
                         "QToolButton::hover:pressed { image: url(:/ControlBar/KavoToGo/Pressed); }");
    return sheet;
}

const QString &streamingOff()
{
    static const QString sheet
        = QStringLiteral("QToolButton { image: url(:/ControlBar/Streaming/Normal);}"
                         "QToolButton::hover { image: url(:/ControlBar/Streaming/Hover); }"
                         "QToolButton::hover:pressed { image: url(:/ControlBar/Streaming/Pressed); }");
    return sheet;
}

const QString &streamingOn()
{
    static const QString sheet
        = QStringLiteral("QToolButton { image: url(:/ControlBar/Streaming/Hover);}"
                         "QToolButton::hover { image: url(:/ControlBar/Streaming/Hover); }"
                         "QToolButton::hover:pressed { image: url(:/ControlBar/Streaming/Pressed); }");
    return sheet;
}

} // namespace PaneStyles
} // namespace Zarnet
