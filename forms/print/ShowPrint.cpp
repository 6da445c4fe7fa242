#include "controls/ModalRunner.h"
#include "forms/main/Dialogs.h"
#include "forms/print/frmPrint.h"

void Dialogs::ShowPrint(const LanguageState& language, const std::function<QImage()>& page,
                        QWidget* parent)
{
    frmPrint dialog(language, page, parent);
    ModalRunner::RunModal(&dialog);
}
