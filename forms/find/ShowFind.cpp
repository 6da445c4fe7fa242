#include "modules/search/SearchCache.h"
#include "forms/find/frmFind.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"
#include "platform/Services.h"

void Dialogs::ShowFind(frmMain& main)
{
    frmFind dialog(main);
    main.services().dialogs->run(&dialog);
}

// F3: the next match after the record shown last; no wrap-around, so the end of the cache
// answers with the not-found message every time.
void Dialogs::FindAgain(frmMain& main)
{
    SearchState& search = SearchState::instance();
    const int hit = Search::FindMatch(search, search.LastFoundIndex + 1,
                                      search.SearchTerm, search.SearchMode,
                                      Search::NameForm::AsStored);
    if (hit < 0) {
        frmFind::ShowNotFound(main);
        return;
    }
    frmFind::Display(main, hit);
    search.LastFoundIndex = hit;
}
