#include "widgets/zrttoolbarmenu.h"

namespace Zarnet {

ZRTToolBarMenu::ZRTToolBarMenu(QWidget *parent)
    : QFrame(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void ZRTToolBarMenu::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
}

void ZRTToolBarMenu::hideEvent(QHideEvent *event)
{
    Q_UNUSED(event);
}

} // namespace Zarnet
