#pragma once
// The texts of found progress: German built in, any other language from the language file's
// section "progress" with the English text as default.
#include <QString>

struct LanguageState;

namespace ProgressTexts {

// The text of key ("StoreDamaged", "ProfilesCaption", ...); "%s" stays for the caller.
QString Text(const LanguageState& language, const char* key);
// The same with "%s" replaced by value and "\n" by a line break.
QString Text(const LanguageState& language, const char* key, const QString& value);

// Every key with its German and English text (the README and the tests list them).
struct Entry
{
    const char* key;
    const char* german;
    const char* english;
};
const Entry* Entries(int* count);

} // namespace ProgressTexts
