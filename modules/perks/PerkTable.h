#pragma once
// The perks the program knows, and the seven groups that hold them in the tree.
// The texts are data: trailing blanks and spellings are kept as the game's files expect.
#include <QChar>
#include <QStringView>
#include <span>

struct PerkGroup
{
    QChar key;           // node key of the group ("f", "h", ...)
    QStringView german;  // built-in node text
    QStringView langKey; // key in the language file's section "frmPerks"
    QStringView english; // default when the language file lacks langKey
    int picture;         // node picture, 1 to 7
};

struct PerkEntry
{
    QStringView sectionKey; // section of a region's data file; compared exactly
    QChar group;            // key of the group the perk is listed under
    QStringView german;
    QStringView langKey;
    QStringView english;
};

namespace PerkTable {

// Node pictures of the root and of the perks; the groups carry their own.
constexpr int RootPicture = 9;
constexpr int PerkPicture = 8;

// The groups in the order they are added to the tree.
std::span<const PerkGroup> Groups();
// The perks in table order.
std::span<const PerkEntry> Perks();
// The first perk whose section key equals section exactly (case and blanks count); null if none.
const PerkEntry* Find(QStringView section);

} // namespace PerkTable
