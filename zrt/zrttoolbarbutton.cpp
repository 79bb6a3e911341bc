#include "zrt/zrttoolbarbutton.h"

#include <QEnterEvent>
#include <QMouseEvent>

namespace Zarnet {

namespace {
// Long enough to cross the gap between the button and its pop-up.
constexpr int HideDelayMs = 400;
} // namespace

ZRTToolBarButton::ZRTToolBarButton(QWidget *parent)
    : QToolButton(parent)
{
    m_hideTimer.setInterval(HideDelayMs);
    connect(&m_hideTimer, &QTimer::timeout, this, &ZRTToolBarButton::hidePopup);
    connect(this, &QToolButton::clicked, this, &ZRTToolBarButton::togglePopup);
}

ZRTToolBarButton::~ZRTToolBarButton() = default;

void ZRTToolBarButton::setPopup(QWidget *popup)
{
    m_popup = popup;
}

void ZRTToolBarButton::setEnabledSlot(bool state)
{
    setEnabled(state);
}

void ZRTToolBarButton::setVisibleSlot(bool state)
{
    setVisible(state);
}

void ZRTToolBarButton::hidePopup()
{
    if (!m_popup || m_popup->testAttribute(Qt::WA_UnderMouse))
        return;
    m_popup->hide();
    m_hideTimer.stop();
}

void ZRTToolBarButton::placePopup()
{
    if (!m_popup)
        return;
    const QPoint corner = mapToGlobal(QPoint(0, 0));
    m_popup->adjustSize();
    const QRect frame = m_popup->frameGeometry();
    const QRect window = this->window()->geometry();
    const int y = corner.y() - frame.height();
    int x = corner.x();
    if (x < window.left())
        x = window.left();
    // Applied after the left clamp: a pop-up wider than the window keeps its
    // right edge inside and overhangs on the left.
    if (x + frame.width() > window.right())
        x = window.right() - frame.width();
    m_popup->move(x, y);
}

void ZRTToolBarButton::showPopup()
{
    if (!m_popup)
        return;
    m_popup->show();
    placePopup();
    m_popup->raise();
}

void ZRTToolBarButton::togglePopup()
{
    if (!m_popup)
        return;
    if (m_popup->isVisible()) {
        m_hideTimer.stop();
        m_popup->hide();
    } else {
        showPopup();
    }
    if (isCheckable())
        setChecked(m_popup->isVisible());
}

void ZRTToolBarButton::mouseReleaseEvent(QMouseEvent *event)
{
    // A release that was sent, not clicked: the plug-in has just shown the
    // pop-up or is about to hide it, and asks the button to follow as if the
    // user had clicked it.
    if (!event->spontaneous() && !isDown()) {
        if (isCheckable())
            setChecked(!isChecked());
        if (m_popup && m_popup->isVisible() && (!isCheckable() || isChecked()))
            placePopup();
        else
            m_hideTimer.stop();
        event->accept();
        return;
    }
    QToolButton::mouseReleaseEvent(event);
}

void ZRTToolBarButton::enterEvent(QEnterEvent *event)
{
    m_hideTimer.stop();
    QToolButton::enterEvent(event);
}

void ZRTToolBarButton::leaveEvent(QEvent *event)
{
    if (m_popup && m_popup->isVisible() && !m_popupStaysOpen)
        m_hideTimer.start();
    QToolButton::leaveEvent(event);
}

} // namespace Zarnet
