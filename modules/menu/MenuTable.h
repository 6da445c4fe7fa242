#pragma once
// The main window's menu tree, declared once: the menu bar is built from it, and the caption
// translations and the dump walk it.
#include <QString>
#include <span>

struct LanguageState;

// What a Command entry does; the window binds each to its handler.
enum class MenuCommand {
    None,
    Print,
    Language,
    UpdateKarvenna,
    DownloadTranslatorSdk,
    DownloadPatch,
    Quit,
    Find,
    FindAgain,
    FindAll,  // the result list
    Extras,
    Help,
    ReadMe,
    WebSite, // the fixed address of the entry's name
    About,
    OpenInstallation, // picks another installation folder
    ZoomIn,
    ZoomOut,
    ZoomAll,
    ZoomToShown,
    Declutter, // on or off, remembered per user
    HideFound,   // found progress: show or hide what is found
    Profiles,
    HuntList,
    MarkFound,   // the marker menu: the marker it was opened on
    MarkNotFound,
    MarkerInfo,
};

enum class MenuKind {
    Menu,        // a menu bar entry or submenu that holds entries
    Divider,     // the disabled "|" entries of the menu bar
    Separator,   // a separator line
    List,        // Change: the category as a pick list
    All,         // ChangeMulti: every entity at once
    ListThenAll, // Change, then ChangeMulti with the same category
    Perks,       // the perk dialog of the enclosing map
    Command,     // any other command
    Status,      // a disabled menu-bar text that the window fills in (found count)
};

struct MenuEntry
{
    const char* name;          // "" for separators
    int level;                 // 0 = menu bar, 1 = in a top menu, 2 = in its submenu, ...
    MenuKind kind;
    const char* english;       // caption when the language file has none
    const char* german;        // caption of the German table
    const char* category = nullptr;  // section of the map's data file
    bool hideLabels = false;
    const char* shortcut = nullptr;  // QKeySequence text
    bool enabled = true;
    MenuCommand command = MenuCommand::None;
    const char* designGerman = nullptr; // designed caption where it differs from the German table
    const char* map = nullptr;          // map id of a map's top menu
    const char* section = nullptr;      // language-file section of the caption; null: "menus"
    bool popup = false;                 // a level-0 menu that only pops up, never in the bar
    bool checkable = false;

    bool isCaptioned() const
    {
        return kind != MenuKind::Divider && kind != MenuKind::Separator && kind != MenuKind::Status;
    }
    const char* languageSection() const { return section ? section : "menus"; }
    const char* designCaption() const { return designGerman ? designGerman : german; }
    // The "menus" key of a language file: the entry's name, "miExtras" for mnuExtras.
    const char* languageKey() const;
};

namespace MenuTable {

std::span<const MenuEntry> Entries();
const MenuEntry* Find(const char* name);
// The menu bar entry that holds an entry (the entry itself at level 0).
const MenuEntry* TopMenuOf(const MenuEntry& entry);
// The menu bar entry of a map (its id: "caldora", ...); null for any other id.
const MenuEntry* MapMenu(const QString& mapId);
// The entry of a map's menu that shows a section of the map's data file (letter case aside);
// null when none does.
const MenuEntry* CategoryEntry(const QString& mapId, const QString& category);
// An entry's caption as the menus show it in the interface language, with its accelerator.
QString Caption(const MenuEntry& entry, const LanguageState& language);
// The same caption as plain text: no accelerator "&", "&&" read as "&".
QString PlainCaption(const MenuEntry& entry, const LanguageState& language);
// The menu that a right click on a marker, its name or the selection marker opens.
inline constexpr const char* kMarkerMenu = "mxMarkerMenu";

} // namespace MenuTable
