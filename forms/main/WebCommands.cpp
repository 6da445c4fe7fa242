// Temporary until the desktop commands land; replaced by their owner.
#include "forms/main/Dialogs.h"
#include "platform/Automation.h"

void Commands::Help(frmMain&) { Automation::instance().recordError("Help: not available yet"); }
void Commands::ReadMe(frmMain&) { Automation::instance().recordError("ReadMe: not available yet"); }
void Commands::Download(frmMain&, const char*) { Automation::instance().recordError("Download: not available yet"); }
void Commands::OpenWebSite(frmMain&, const char*) { Automation::instance().recordError("Web: not available yet"); }
