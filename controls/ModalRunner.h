#pragma once
// Modal dialogs: exec() for a person; in batch mode the dialog is recorded right after it
// loads, answered by the action that opened it (or cancelled), and recorded again as closed.
#include <QJsonObject>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace ModalRunner {

using Answer = std::function<void(QDialog* dialog)>;

// The next dialog with this object name is answered by answer (batch mode only).
void SetPendingAnswer(const QString& dialogName, Answer answer);
void ClearPendingAnswers();

// Shows the dialog modally and returns its result code.
int RunModal(QDialog* dialog);

// What a person sees of every named control of a dialog:
// caption/text, visible, enabled, value (option buttons), items/selected (lists),
// picture (property "picturePath", or "fallback"), nodes (tree views). A widget with an
// invokable "automationState()" returning QJsonObject adds those keys.
QJsonObject DumpControls(const QWidget* dialog);
QJsonObject DumpDialog(const QDialog* dialog);

} // namespace ModalRunner
