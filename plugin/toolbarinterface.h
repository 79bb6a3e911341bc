#pragma once

#include <QString>
#include <QStringList>

class QToolButton;

// What the host asks of a plug-in that contributes tool-bar items.
class ToolBarInterface
{
public:
    virtual ~ToolBarInterface() = default;
    virtual QStringList toolBarItems(QString group) = 0;
    virtual void setupToolBarItem(QString name, QToolButton *button) = 0;
};
