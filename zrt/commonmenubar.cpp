#include "zrt/commonmenubar.h"

#include <QAction>
#include <QHash>
#include <QPointer>

namespace Zarnet {

namespace {
QHash<unsigned, QPointer<QAction>> &actions()
{
    static QHash<unsigned, QPointer<QAction>> table;
    return table;
}
} // namespace

QAction *CommonMenuBar::getAction(unsigned id)
{
    return actions().value(id).data();
}

void CommonMenuBar::setAction(unsigned id, QAction *action)
{
    if (action)
        actions().insert(id, action);
    else
        actions().remove(id);
}

} // namespace Zarnet
