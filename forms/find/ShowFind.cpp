#include "forms/find/frmFind.h"
#include "forms/main/Dialogs.h"
#include "modules/Session.h"
#include "platform/Services.h"

Dialogs::FindResult Dialogs::ShowFind(Session& session, const QList<MapSource>& maps,
                                      const QString& infoFile, Services& services,
                                      QWidget* parent)
{
    frmFind dialog(session, maps, infoFile, *services.messages, parent);
    services.dialogs->run(&dialog);
    return dialog.result();
}

// F3: the next match after the record shown last; no wrap-around, so the end of the cache
// answers with the not-found message every time.
int Dialogs::FindAgain(Session& session, Services& services, QWidget* parent)
{
    SearchState& search = session.search;
    const int hit = Search::FindMatch(session.language, search, search.LastFoundIndex + 1,
                                      search.SearchTerm, search.SearchMode,
                                      Search::NameForm::AsStored);
    if (hit < 0) {
        frmFind::ShowNotFound(*services.messages, parent, session.language, search.SearchTerm);
        return -1;
    }
    search.LastFoundIndex = hit;
    return hit;
}
