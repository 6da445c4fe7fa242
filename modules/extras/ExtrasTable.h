#pragma once
// The side documents of the extras dialog: one table of names and files, where each file is
// looked for, and how each type is opened.
#include <QList>
#include <QString>

class Session;
class ShellService;
struct LanguageState;

struct ExtrasDocument
{
    const char* key;       // language-file key in section "frmExtras"
    const char* english;   // default of that key
    const char* german;    // built-in text
    const char* file;      // the row's tag
};

namespace ExtrasTable {

// The eleven documents in the order they are added.
const QList<ExtrasDocument>& Documents();

struct Row
{
    QString text;
    QString tag;
};
// Texts of the interface language, in table order (the list sorts them).
QList<Row> Rows(const LanguageState& language);

// "Deutsch" stem: the extras folder. Any other stem, the empty one included: the language's
// folder when the file is there and not empty, else the substitute language's, unchecked.
QString DocumentPath(const Session& session, const QString& fileName);

enum class Opened { Nothing, Program, Page, Help };
// Opens a row's document by the type after its first dot: "exe" is started, "html" goes to
// the HTML host, "chm" to the help viewer. Anything else opens nothing.
Opened Open(const Session& session, ShellService& shell, const QString& tag);

} // namespace ExtrasTable
