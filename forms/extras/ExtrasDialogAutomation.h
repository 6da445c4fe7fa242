#pragma once
// What batch mode does in the extras dialog.
#include <QString>

class ExtrasDialogAutomation
{
public:
    // Selects the row whose tag is fileName and presses Select; false, nothing done, without one.
    virtual bool SelectDocument(const QString& fileName) = 0;
    virtual void cancel() = 0;

protected:
    ~ExtrasDialogAutomation() = default;
};
