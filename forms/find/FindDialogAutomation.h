#pragma once
// What batch mode does in the find dialog, as a person would with the mouse and keys.
#include <QString>

class FindDialogAutomation
{
public:
    enum class Mode { Names, Descriptions };

    virtual void chooseMode(Mode mode) = 0;   // clicks the option (when enabled)
    virtual void enterTerm(const QString& term) = 0;
    virtual bool pressFind() = 0;             // false when Find is disabled
    virtual void cancel() = 0;

protected:
    ~FindDialogAutomation() = default;
};
