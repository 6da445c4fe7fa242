#pragma once
// What batch mode does in the language dialog.
#include <QString>

class LanguageDialogAutomation
{
public:
    // Clicks the row whose tag's file stem is stem; false when there is none.
    virtual bool selectRowByStem(const QString& stem) = 0;
    virtual void pressSelect() = 0;
    virtual void cancel() = 0;

protected:
    ~LanguageDialogAutomation() = default;
};
