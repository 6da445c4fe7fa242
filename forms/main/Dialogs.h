#pragma once
// Entry points of the windows and commands that the main window's menus open. Each is
// implemented in its own folder (forms/<name>/) and gets only what it uses; what the main
// window has to do afterwards comes back as the result.
#include <QImage>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class Session;
class ProgressStore;
class MainDisplay;
class ShellService;
struct Services;
struct PrintPage;
struct LanguageState;

// A map's files as the dialogs read them.
struct MapSource
{
    QString dataFile;
    QString picture;
};

namespace Dialogs {

// forms/info: the information window of an entity, named as the main window shows it.
void ShowInfo(Session& session, const QString& subject, const QString& infoFile,
              Services& services, QWidget* parent);

// forms/find: miFind.
struct FindResult
{
    bool searched = false;    // Find was pressed: find again is possible from now on
    int hit = -1;             // the search cache's record to show; -1 for none
    bool linkBroken = false;  // a broken link has been reported: the program ends
};
FindResult ShowFind(Session& session, const QList<MapSource>& maps, const QString& infoFile,
                    Services& services, QWidget* parent);
// forms/find: miFindAgain. The record to show; -1 after the not-found message.
int FindAgain(Session& session, Services& services, QWidget* parent);

// forms/perks: the perks of the region whose map data file is dataFile.
struct PerkChoice
{
    QString key;      // the perk's section, the category of its teachers
    QString caption;  // the heading over the teachers
    QString picture;  // the map they are drawn on
};
std::optional<PerkChoice> ShowPerks(Session& session, const QString& dataFile,
                                    const QList<MapSource>& maps, Services& services,
                                    QWidget* parent);

// forms/lang: mnuLanguage, and start-up. True when a language was chosen; the session then
// speaks it and the settings file names it.
bool ShowLanguage(Session& session, Services& services, QWidget* parent);

void ShowAbout(const Session& session, Services& services, QWidget* parent);  // forms/about: miAbout
void ShowExtras(const Session& session, Services& services, QWidget* parent); // forms/extras: mnuExtras
// forms/print: miPrint; page draws what is printed.
void ShowPrint(const LanguageState& language, const std::function<PrintPage()>& page,
               Services& services, QWidget* parent);

// forms/profiles: mxProfiles. The dialog works on the store directly.
void ShowProfiles(const LanguageState& language, ProgressStore& store, Services& services,
                  QWidget* parent);
// forms/huntlist: mxHuntList, the shown category or the shown map as a printed list.
// mapDataFile and mapTitle: the map on screen (empty when none).
void ShowHuntList(Session& session, ProgressStore& store, const MainDisplay& display,
                  const QString& mapDataFile, const QString& mapTitle, Services& services,
                  QWidget* parent);

} // namespace Dialogs

namespace Commands {

// Opens a document or address as the desktop does; the result is ShellExecute's.
using Opener = std::function<int(const QString& target)>;

// forms/main/WebCommands.cpp
void Help(const Session& session, const Opener& open);                        // miHelp
void ReadMe(const Session& session, ShellService& shell);                     // miReadMe
// miUpdate, miUpdateKarvenna, miDownloadTranslatorSDK
void Download(const Session& session, const Opener& open, const char* urlsKey);
void OpenWebSite(const Opener& open, const char* menuName);                   // the fixed web addresses

} // namespace Commands
