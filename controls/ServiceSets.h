#pragma once
// The two sets of platform services: the desktop's for a person, the recording ones for
// batch mode and tests. main() picks one; nothing else decides.
#include "platform/Services.h"

class UserConfig;

// Shell opens go to the desktop, ".chm" files to our help viewer and "mshta.exe" pages to our
// HTML window; the viewers keep their sizes in user (may be null).
void UseDesktopServices(Services& services, UserConfig* user = nullptr);

// Nothing reaches the desktop; everything is recorded in services.record. The PDF printer
// writes pdfFile.
void UseRecordingServices(Services& services, const QString& pdfFile = QString());
