#pragma once
// Message boxes with one OK button; batch mode records them and answers OK.
#include <QString>
class QWidget;

namespace MessageBox {

enum class Icon { Stop, Information, Critical };

void Show(QWidget* parent, Icon icon, const QString& caption, const QString& text);

} // namespace MessageBox
