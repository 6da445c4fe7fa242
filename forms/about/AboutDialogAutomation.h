#pragma once
// What batch mode does in the about box.
class AboutDialogAutomation
{
public:
    virtual void pressOK() = 0;

protected:
    ~AboutDialogAutomation() = default;
};
