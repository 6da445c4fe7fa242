#pragma once
// What batch mode does in the perks dialog.
#include <QString>

class PerksDialogAutomation
{
public:
    virtual bool selectNode(const QString& key) = 0;   // false when there is no such node
    virtual void pressShow() = 0;
    virtual void cancel() = 0;

protected:
    ~PerksDialogAutomation() = default;
};
