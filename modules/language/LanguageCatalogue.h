#pragma once
// What the language dialog lists and shows, without a window: the entries of the language
// folder, the rows made from them, the details of a language and the confirmation of a choice.
#include <QList>
#include <QString>
#include <QStringList>

class LanguageChoice;
struct LanguageState;

namespace LanguageCatalogue {

// The entries of a folder, files and subfolders alike: ".", ".." first, then the entries in
// the file system's order; the list ends with one empty element. With fullPaths every element
// but the last is prefixed with path. A missing folder gives only the empty element.
QStringList EnumFoldersEx(const QString& path, bool fullPaths);

// The tag of the built-in German row.
inline QString GermanTag() { return QStringLiteral("*"); }

struct Row
{
    QString text;       // " " + the language's name, "?" when the file names none
    QString tag;        // the language file
    QString flagPath;   // the flag picture to try
};

// One row per listed entry, "." and ".." and the final empty element left out.
QList<Row> FolderRows(const QString& languageFolder, const QStringList& entries);

struct Details
{
    QString name, version, author, website, email;
    QString flagPath;   // "" for the built-in German flag
};

// The "general" keys of a language file; a missing file gives empty texts.
Details FromFile(const QString& languageFile, const QString& flagPath);
// The built-in German entry, showing the program's version.
Details German(const QString& versionText);
// A row's flag: its tag with every ".lng" replaced by ".bmp".
QString FlagOfTag(const QString& tag);

// Makes the language of a row the current one and stores its stem (in the settings file, or
// for this user when that is read-only). Returns whether the interface is German afterwards.
bool Confirm(LanguageState& language, const QString& tag, LanguageChoice& choice);

// Blanks removed at both ends, as the language files' names are compared.
QString TrimBlanks(const QString& text);

} // namespace LanguageCatalogue
