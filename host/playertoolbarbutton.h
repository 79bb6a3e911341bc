#pragma once

#include "zrt/zrttoolbarbutton.h"

#include <QPointer>

// The control bar's button for a plug-in item. Besides what every tool-bar
// button does with its pop-up, it keeps the pop-up above itself while the
// window moves or resizes, closes it when the window is minimised or hidden
// or the button goes, and lets only one pop-up of the bar be open at a time.
// The pop-up's window is transient for the player's, so a window manager keeps
// it above the player while it shows.
class PlayerToolBarButton : public Zarnet::ZRTToolBarButton
{
    Q_OBJECT

public:
    explicit PlayerToolBarButton(QWidget *parent = nullptr);
    ~PlayerToolBarButton() override;

    bool isPopupShown() const;
    // Closes the pop-up the way a click on the button would.
    void closePopup();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void watchPopup();
    void holdAbovePlayer();
    void watchWindow();
    void afterToggle();

    QWidget *m_watchedWindow = nullptr;
    QPointer<QWidget> m_watchedPopup;
    bool m_placing = false;
};
