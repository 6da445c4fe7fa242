// The main window's side of its dialogs: what each gets, and what the window does with
// what it reports back.
#include "forms/main/frmMain.h"

#include "forms/main/Dialogs.h"
#include "forms/results/ResultPanel.h"
#include "modules/menu/MenuTable.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"
#include "modules/search/SearchDisplay.h"
#include "platform/Services.h"

#include <QAction>

void frmMain::runCommand(const MenuEntry& entry)
{
    const Commands::Opener open = [this](const QString& target) { return ShellExec(target); };
    switch (entry.command) {
    case MenuCommand::None: break;
    case MenuCommand::Print:
        Dialogs::ShowPrint(m_session.language, [this] { return printPage(); }, m_services, this);
        break;
    case MenuCommand::Language: showLanguageDialog(); break;
    case MenuCommand::UpdateKarvenna: Commands::Download(m_session, open, "Download"); break;
    case MenuCommand::DownloadTranslatorSdk: Commands::Download(m_session, open, "tranlatorsdk"); break;
    case MenuCommand::DownloadPatch: Commands::Download(m_session, open, "thornvalepatch"); break;
    case MenuCommand::Quit: close(); break;
    case MenuCommand::Find: showFind(); break;
    case MenuCommand::FindAgain: findAgain(); break;
    case MenuCommand::FindAll: showResults(); break;
    case MenuCommand::Extras: Dialogs::ShowExtras(m_session, m_services, this); break;
    case MenuCommand::Help: Commands::Help(m_session, open); break;
    case MenuCommand::ReadMe: Commands::ReadMe(m_session, *m_services.shell); break;
    case MenuCommand::WebSite: Commands::OpenWebSite(open, entry.name); break;
    case MenuCommand::About: Dialogs::ShowAbout(m_session, m_services, this); break;
    case MenuCommand::OpenInstallation: chooseInstallation(); break;
    case MenuCommand::ZoomIn:
    case MenuCommand::ZoomOut:
    case MenuCommand::ZoomAll:
    case MenuCommand::ZoomToShown:
    case MenuCommand::Declutter: runViewCommand(entry.command); break;
    case MenuCommand::HideFound: setHideFound(!m_hideFound); break;
    case MenuCommand::Profiles: showProfiles(); break;
    case MenuCommand::HuntList: showHuntList(); break;
    case MenuCommand::MarkFound: chooseOnMarker(m_markerTarget, MarkerChoice::Found); break;
    case MenuCommand::MarkNotFound: chooseOnMarker(m_markerTarget, MarkerChoice::NotFound); break;
    case MenuCommand::MarkerInfo: chooseOnMarker(m_markerTarget, MarkerChoice::Information); break;
    }
}

QList<MapSource> frmMain::mapSources() const
{
    QList<MapSource> sources;
    for (const MapFiles& map : m_installation.maps())
        sources.append({map.dataFile, map.picture});
    return sources;
}

void frmMain::showLanguageDialog()
{
    if (!Dialogs::ShowLanguage(m_session, m_services, this))
        return;
    // Every text changes at once, and the map starts over.
    if (LOCAL::IsGerman(m_session.language)) {
        ApplyGermanCaptions();
        Translate_UI_DE();
    } else {
        Translate_UI();
        CacheTranslationTable();
    }
    ClearUI();
    RestoreStartImage();
    m_display.CurrentMap.clear();
    syncDisplay();
    if (m_results)
        m_results->retranslate();
}

void frmMain::showFind()
{
    const Dialogs::FindResult found = Dialogs::ShowFind(m_session, mapSources(), InfoFile, m_services, this);
    if (found.searched)
        action(QStringLiteral("miFindAgain"))->setEnabled(true);
    if (found.hit >= 0)
        showSearchHit(found.hit);
    if (found.linkBroken)
        EndProgram();
}

void frmMain::findAgain()
{
    const int hit = Dialogs::FindAgain(m_session, m_services, this);
    if (hit >= 0)
        showSearchHit(hit);
}

void frmMain::showSearchHit(int index)
{
    const SearchState& search = m_session.search;
    if (index < 0 || index >= search.SearchCache.size())
        return;
    SearchDisplay::Show(m_display, m_session.language, search.SearchCache[index], search.SearchTerm);
    syncDisplay();
    action(QStringLiteral("miPrint"))->setEnabled(true);
}

void frmMain::showPerks(const MapFiles& map)
{
    const auto choice = Dialogs::ShowPerks(m_session, map.dataFile, mapSources(), m_services, this);
    if (choice)
        ChangeMulti(choice->picture, map.dataFile, choice->key, choice->caption, false);
}
