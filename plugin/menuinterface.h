#pragma once

class QObject;

// What the host asks of a plug-in that contributes menu commands: the object
// whose slots it connects its menu actions to, by name.
class MenuInterface
{
public:
    virtual ~MenuInterface() = default;
    virtual QObject *menuObject() = 0;
};
