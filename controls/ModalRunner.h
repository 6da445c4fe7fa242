#pragma once
// The dialog service: exec() for a person; in batch mode the dialog is recorded right after it
// loads, answered by the action that opened it (or cancelled), and recorded again as closed.
#include "platform/Services.h"

#include <QHash>
#include <QJsonObject>

namespace ModalRunner {

// What a person sees of every named control of a dialog:
// caption/text, visible, enabled, value (option buttons), items/selected (lists),
// picture (property "picturePath", or "fallback"), nodes (tree views). A widget with an
// invokable "automationState()" returning QJsonObject adds those keys.
QJsonObject DumpControls(const QWidget* dialog);
QJsonObject DumpDialog(const QDialog* dialog);

} // namespace ModalRunner

class DesktopDialogs : public DialogService
{
public:
    int run(QDialog* dialog) override;
    // A person answers for themselves.
    void answerNext(const QString&, Answer) override {}
    void clearAnswers() override {}
};

class RecordingDialogs : public DialogService
{
public:
    explicit RecordingDialogs(BatchRecord& record) : m_record(record) {}

    int run(QDialog* dialog) override;
    void answerNext(const QString& dialogName, Answer answer) override;
    void clearAnswers() override { m_answers.clear(); }

private:
    BatchRecord& m_record;
    QHash<QString, Answer> m_answers;
};
