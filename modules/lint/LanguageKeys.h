#pragma once
// Every section and key of a language file that the program reads, and the texts into which
// it puts a value of its own at "%s".
#include <QHash>
#include <QSet>
#include <QString>

namespace Lint::LanguageKeys {

// Case-folded section name -> case-folded keys. "entities" is a free list and not included.
const QHash<QString, QSet<QString>>& Known();

struct Supplied
{
    const char* section;
    const char* key;
    const char* value; // what the program puts in
};
// Texts that show a value of the program at "%s".
const QList<Supplied>& WithValue();

} // namespace Lint::LanguageKeys
