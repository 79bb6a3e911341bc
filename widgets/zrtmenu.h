#pragma once

#include <QMenu>

namespace Zarnet {

// A pop-up menu in the player's dark, translucent look.
class ZRTMenu : public QMenu
{
    Q_OBJECT

public:
    explicit ZRTMenu(QWidget *parent = nullptr);
    ZRTMenu(const QString &title, QWidget *parent = nullptr);

    // The one style sheet every such menu carries.
    static const QString &menuStyleSheet();

private:
    void applyLook();
};

} // namespace Zarnet
