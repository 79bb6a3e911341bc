#pragma once

#include <QString>

namespace Zarnet {

// Style sheets the pane gives the host's tool-bar buttons. Each text is built
// once per process, on first use.
namespace PaneStyles {

// The "ShowDeviceMenu" button.
const QString &showDeviceMenuButton();
// The "Streaming" button while the media server is not sharing, and while it is.
const QString &streamingOff();
const QString &streamingOn();

} // namespace PaneStyles
} // namespace Zarnet
