#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace Zarnet {

// The keyboard focus mark for controls whose style sheet draws none: a light
// dashed ring over the edge of the widget it lies on, shown while one of the
// watched widgets has the focus. It lets the mouse and drops through.
class FocusMark : public QWidget
{
public:
    // Lies on host (and is its child); watches host itself when watched is empty.
    explicit FocusMark(QWidget *host, const QList<QWidget *> &watched = {});

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *now);

    QList<QPointer<QWidget>> m_watched;
};

} // namespace Zarnet
