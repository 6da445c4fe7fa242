#pragma once
// The message service: a person gets a box with one OK button; batch mode records the
// message and answers OK.
#include "platform/Services.h"

class DesktopMessages : public MessageService
{
public:
    void show(QWidget* parent, Icon icon, const QString& caption, const QString& text) override;
};

class RecordingMessages : public MessageService
{
public:
    explicit RecordingMessages(BatchRecord& record) : m_record(record) {}
    void show(QWidget* parent, Icon icon, const QString& caption, const QString& text) override;

private:
    BatchRecord& m_record;
};
