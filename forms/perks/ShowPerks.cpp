#include "platform/Services.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"
#include "forms/perks/frmPerks.h"
#include "modules/Globals.h"

void Dialogs::ShowPerks(frmMain& main)
{
    frmPerks dialog(main, G().PerksDataFile, &main);
    main.services().dialogs->run(&dialog);
}
