#include "platform/Services.h"
#include "forms/main/Dialogs.h"
#include "forms/print/frmPrint.h"

void Dialogs::ShowPrint(const LanguageState& language, const std::function<PrintPage()>& page,
                        Services& services, QWidget* parent)
{
    frmPrint dialog(language, page, *services.printers, parent);
    services.dialogs->run(&dialog);
}
