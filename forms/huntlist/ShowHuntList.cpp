#include "forms/huntlist/frmHuntList.h"
#include "forms/main/Dialogs.h"
#include "modules/Session.h"
#include "modules/display/MainDisplay.h"
#include "modules/progress/ProgressStore.h"
#include "platform/Services.h"

void Dialogs::ShowHuntList(Session& session, ProgressStore& store, const MainDisplay& display,
                           const QString& mapDataFile, const QString& mapTitle, Services& services,
                           QWidget* parent)
{
    const HuntLists::IsFound isFound = [&store](const EntityId& e) { return store.isFound(e); };
    frmHuntList dialog(
        session.language, [&] { return HuntLists::ForShown(display, session, isFound); },
        [&] {
            return mapDataFile.isEmpty()
                       ? HuntList()
                       : HuntLists::ForMap(mapDataFile, display.CurrentMap, mapTitle, session, isFound);
        },
        store.currentProfile(), *services.printers, services.record, parent);
    services.dialogs->run(&dialog);
}
