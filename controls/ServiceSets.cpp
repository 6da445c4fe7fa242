#include "controls/ServiceSets.h"

#include "controls/HelpViewer.h"
#include "controls/HtmlViewer.h"
#include "controls/MessageBox.h"
#include "controls/ModalRunner.h"
#include "controls/Printers.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

void UseDesktopServices(Services& services, UserConfig* user)
{
    services.batch = false;
    // The viewers open their links through the same shell.
    services.shell = std::make_unique<DesktopShell>(
        [&services, user](const QString& path) { return HelpViewer::Open(path, services.shell.get(), user); },
        [&services, user](const QString& path) {
            return HtmlViewer::Open(path, *services.shell, user) != nullptr;
        });
    services.sound = std::make_unique<DesktopSound>();
    services.printers = std::make_unique<DesktopPrinters>(services.record);
    services.messages = std::make_unique<DesktopMessages>();
    services.dialogs = std::make_unique<DesktopDialogs>();
}

void UseRecordingServices(Services& services, const QString& pdfFile)
{
    services.batch = true;
    services.shell = std::make_unique<RecordingShell>(services.record);
    services.sound = std::make_unique<RecordingSound>(services.record);
    services.printers = std::make_unique<RecordingPrinters>(services.record, pdfFile);
    services.messages = std::make_unique<RecordingMessages>(services.record);
    services.dialogs = std::make_unique<RecordingDialogs>(services.record);
}
