#pragma once
// What batch mode does in the print dialog.
#include <QString>

class PrintDialogAutomation
{
public:
    // Picks the printer and the orientation ("landscape" or "portrait") and presses Print.
    // False, and nothing done, when either is not offered.
    virtual bool PrintOn(const QString& printer, const QString& orientation) = 0;
    virtual void cancel() = 0;

protected:
    ~PrintDialogAutomation() = default;
};
