#pragma once
// What the perk dialog shows for a region: its caption, the button captions and the tree,
// built from the region's map data file and the language state, without a window.
#include <QList>
#include <QString>

struct LanguageState;

struct PerkNode
{
    QString key;    // "root", a group key, or the perk's section key
    QString parent; // "" for the root
    QString text;
    bool bold = false;
    int picture = 0; // 9 root, 1 to 7 groups, 8 perks
};

struct PerkTree
{
    QString region;       // "Caldora", "Frostmere", "Qasira"; "" for any other file
    QString caption;      // the window's caption
    QString showCaption;  // btnShow
    QString abortCaption; // btnAbort
    QList<PerkNode> nodes; // root, the seven groups, then the perks in section order
};

namespace PerkCatalogue {

// The German region name of a data file path; of several names in the path the last test wins.
QString RegionOf(const QString& dataFile);

// The dialog's contents for dataFile in the interface language.
PerkTree Load(LanguageState& language, const QString& dataFile);
// Built-in German texts.
PerkTree INIT_GERMAN(const QString& dataFile, const QString& region);
// Texts from the language file, English defaults where it lacks a key.
PerkTree INIT_LANG(LanguageState& language, const QString& dataFile, const QString& region);

} // namespace PerkCatalogue
