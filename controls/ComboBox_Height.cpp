#include "controls/ComboBox_Height.h"

#include <QAbstractItemView>
#include <QComboBox>

void ComboBox_Height::SetComboBoxHeight(QWidget*, QComboBox* comboBox, int heightPixels)
{
    const int row = std::max(1, comboBox->view()->sizeHintForRow(0) > 0
                                    ? comboBox->view()->sizeHintForRow(0)
                                    : comboBox->fontMetrics().height() + 4);
    comboBox->setMaxVisibleItems(std::max(1, heightPixels / row));
    comboBox->setProperty("dropDownHeight", heightPixels);
}
