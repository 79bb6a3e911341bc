#include "widgets/focusmark.h"

#include <QApplication>
#include <QPainter>

namespace Zarnet {

FocusMark::FocusMark(QWidget *host, const QList<QWidget *> &watched)
    : QWidget(host)
{
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    for (QWidget *widget : watched.isEmpty() ? QList<QWidget *> { host } : watched)
        m_watched.append(widget);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusMark::follow(QWidget *now)
{
    const bool focused = now && m_watched.contains(now);
    if (focused) {
        setGeometry(parentWidget()->rect());
        raise();
    }
    setVisible(focused);
}

void FocusMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(240, 240, 240, 230), 2, Qt::DashLine));
    const qreal inset = 1.5;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 5, 5);
}

} // namespace Zarnet
