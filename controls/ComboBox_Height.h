#pragma once
class QComboBox;
class QWidget;

namespace ComboBox_Height {

// Lets the combo box's drop-down list open heightPixels tall (at least one row).
void SetComboBoxHeight(QWidget* form, QComboBox* comboBox, int heightPixels);

} // namespace ComboBox_Height
