#pragma once
// Entry points of the windows and commands that the main window's menus open.
// Each is implemented in its own folder (forms/<name>/).
class frmMain;

namespace Dialogs {

void ShowInfo(frmMain& main);       // forms/info: frmInfo for main.display().InfoSubject
void ShowFind(frmMain& main);       // forms/find: miFind
void FindAgain(frmMain& main);      // forms/find: miFindAgain
void ShowPerks(frmMain& main);      // forms/perks: frmPerks for G().PerksDataFile
void ShowLanguage(frmMain& main);   // forms/lang: mnuLanguage, and start-up step 10
void ShowAbout(frmMain& main);      // forms/about: miAbout
void ShowExtras(frmMain& main);     // forms/extras: mnuExtras
void ShowPrint(frmMain& main);      // forms/print: miPrint

} // namespace Dialogs

namespace Commands {

// forms/main/WebCommands.cpp
void Help(frmMain& main);                     // miHelp
void ReadMe(frmMain& main);                   // miReadMe
void Download(frmMain& main, const char* urlsKey);  // miUpdate, miUpdateKarvenna, miDownloadTranslatorSDK
void OpenWebSite(frmMain& main, const char* menuName); // the fixed web addresses

} // namespace Commands
