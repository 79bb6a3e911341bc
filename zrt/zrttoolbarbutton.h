#pragma once

#include "zrt/zrtglobal.h"

#include <QPointer>
#include <QTimer>
#include <QToolButton>

class QMouseEvent;

namespace Zarnet {

// The player's tool-bar button that owns a pop-up panel. A click shows the
// pop-up just above the button, a second click hides it. Without the
// stay-open flag the pop-up also goes once the pointer has left both the
// button and the pop-up; with it (the device pane, where files are dragged
// in from elsewhere) it stays until the button is clicked again.
class ZRT_EXPORT ZRTToolBarButton : public QToolButton
{
    Q_OBJECT

public:
    explicit ZRTToolBarButton(QWidget *parent = nullptr);
    ~ZRTToolBarButton() override;

    QWidget *popup() const { return m_popup; }
    bool popupStaysOpen() const { return m_popupStaysOpen; }
    void setPopupStaysOpen(bool stay) { m_popupStaysOpen = stay; }
    QTimer *hideTimer() { return &m_hideTimer; }

public slots:
    void setPopup(QWidget *popup);
    void setEnabledSlot(bool state);
    void setVisibleSlot(bool state);

protected slots:
    void hidePopup();
    void placePopup();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void togglePopup();
    void showPopup();

    QTimer m_hideTimer;
    // Guarded: the plug-in that set the pop-up may be unloaded before the host
    // drops its buttons.
    QPointer<QWidget> m_popup;
    bool m_popupStaysOpen = false;
};

} // namespace Zarnet
