#include "forms/main/Dialogs.h"
#include "forms/profiles/frmProfiles.h"
#include "platform/Services.h"

void Dialogs::ShowProfiles(const LanguageState& language, ProgressStore& store, Services& services,
                           QWidget* parent)
{
    frmProfiles dialog(language, store, parent);
    services.dialogs->run(&dialog);
}
