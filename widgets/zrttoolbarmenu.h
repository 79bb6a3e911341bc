#pragma once

#include <QFrame>

namespace Zarnet {

// The frameless, translucent panel a tool-bar button pops up. It swallows
// clicks on itself, so a click between its buttons does not close it or reach
// the window behind.
class ZRTToolBarMenu : public QFrame
{
    Q_OBJECT

public:
    explicit ZRTToolBarMenu(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

} // namespace Zarnet
