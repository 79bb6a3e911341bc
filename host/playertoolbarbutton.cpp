#include "host/playertoolbarbutton.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWindow>
#include <QWindowStateChangeEvent>

PlayerToolBarButton::PlayerToolBarButton(QWidget *parent)
    : Zarnet::ZRTToolBarButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setAutoRaise(true);
    // Connected after the base's own handler, so the pop-up has its new state.
    connect(this, &QAbstractButton::clicked, this, &PlayerToolBarButton::afterToggle);
}

PlayerToolBarButton::~PlayerToolBarButton()
{
    // The pop-up belongs to the plug-in and may outlive the button.
    if (isPopupShown())
        popup()->hide();
}

bool PlayerToolBarButton::isPopupShown() const
{
    return popup() && popup()->isVisible();
}

void PlayerToolBarButton::closePopup()
{
    if (!isPopupShown())
        return;
    // As a click: the plug-in listens to clicked() to keep its menus right.
    emit clicked(false);
    if (isPopupShown()) {
        popup()->hide();
        hideTimer()->stop();
    }
    if (isCheckable())
        setChecked(false);
}

void PlayerToolBarButton::afterToggle()
{
    if (!isPopupShown())
        return;
    watchWindow();
    const auto siblings = parentWidget()
        ? parentWidget()->findChildren<PlayerToolBarButton *>(QString(), Qt::FindDirectChildrenOnly)
        : QList<PlayerToolBarButton *>();
    for (PlayerToolBarButton *other : siblings) {
        if (other != this)
            other->closePopup();
    }
}

void PlayerToolBarButton::watchPopup()
{
    // The pop-up may change its size once shown (a device added): keep it
    // standing on the button. Each time it shows, it is put above the player.
    if (!popup() || popup() == m_watchedPopup)
        return;
    if (m_watchedPopup)
        m_watchedPopup->removeEventFilter(this);
    m_watchedPopup = popup();
    m_watchedPopup->installEventFilter(this);
    holdAbovePlayer();
}

void PlayerToolBarButton::holdAbovePlayer()
{
    // The pop-up is a window of its own without a parent: without this, a
    // click in the library raises the player over it while it still shows,
    // and a drag from there cannot reach a device. The platform reads it when
    // the window is mapped.
    QWidget *pop = popup();
    if (!pop || !pop->isWindow() || pop == window())
        return;
    QWindow *player = window()->windowHandle();
    if (!player)
        return;
    if (!pop->windowHandle())
        pop->winId();
    if (!pop->windowHandle() || pop->windowHandle()->transientParent() == player)
        return;
    pop->windowHandle()->setTransientParent(player);
    // Shown by the plug-in before this button knew it: map it again, so the
    // window manager learns whose it is.
    if (pop->isVisible()) {
        pop->hide();
        pop->show();
        placePopup();
    }
}

void PlayerToolBarButton::watchWindow()
{
    watchPopup();
    QWidget *top = window();
    if (top == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = top;
    top->installEventFilter(this);
    connect(top, &QObject::destroyed, this, [this](QObject *gone) {
        if (gone == m_watchedWindow)
            m_watchedWindow = nullptr;
    });
}

bool PlayerToolBarButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedPopup && event->type() == QEvent::Show)
        holdAbovePlayer();
    if (watched == m_watchedPopup && event->type() == QEvent::Resize && isPopupShown() && !m_placing) {
        m_placing = true;
        placePopup();
        m_placing = false;
    }
    if (watched == m_watchedWindow && isPopupShown()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            placePopup();
            break;
        case QEvent::Hide:
            closePopup();
            break;
        case QEvent::WindowStateChange:
            if (m_watchedWindow->isMinimized())
                closePopup();
            break;
        default:
            break;
        }
    }
    return Zarnet::ZRTToolBarButton::eventFilter(watched, event);
}

void PlayerToolBarButton::changeEvent(QEvent *event)
{
    Zarnet::ZRTToolBarButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        closePopup();
}

void PlayerToolBarButton::hideEvent(QHideEvent *event)
{
    Zarnet::ZRTToolBarButton::hideEvent(event);
    closePopup();
}

void PlayerToolBarButton::showEvent(QShowEvent *event)
{
    Zarnet::ZRTToolBarButton::showEvent(event);
    watchPopup();
}

void PlayerToolBarButton::mouseReleaseEvent(QMouseEvent *event)
{
    // Before the base shows the pop-up: its window must know its parent
    // before it is mapped.
    watchPopup();
    const bool sent = !event->spontaneous();
    Zarnet::ZRTToolBarButton::mouseReleaseEvent(event);
    // The plug-in's own release after it showed the pop-up: treat it like a
    // click that opened it.
    if (sent && (!isCheckable() || isChecked()))
        afterToggle();
}
