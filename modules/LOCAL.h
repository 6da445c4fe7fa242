#pragma once
// Language state, text lookup and the entity-name translation of language files. Every
// function reads the state it is given; the program's own lives in its Session.
#include "modules/IniOps.h"
#include "modules/PrefixIndex.h"

#include <QString>
#include <QStringList>

struct LanguageState
{
    QString LanguageName = QStringLiteral("Deutsch"); // "Deutsch" selects the built-in texts
    QString LanguageStem;                             // folder and file stem; "" when none is stored
    QString LanguageFile;                             // full path of the .lng, "*" after choosing German
    QString LanguageFolder;                           // ProgramFolder + "/" + LangFolder + "/"
    QString SubstituteLanguage = QStringLiteral("English");
    QStringList EntityKeys;   // keys of [entities], file order
    QStringList EntityNames;  // their values; empty ones become ";" when DelocalizeName meets them
    QStringList RegionNames;  // translations of the five region words, refreshed by LocalizeName

    // Lookup indexes of the table, made on first use; a changed table makes them again.
    PrefixIndex KeyIndex;
    PrefixIndex NameIndex;
};

namespace LOCAL {

// The five region words of the "entities" section, in lookup order.
const QStringList& RegionWords();

// LanguageName == "Deutsch", exactly.
bool IsGerman(const LanguageState& language);

// ReadIni(LanguageFile, section, key, englishDefault). Callers ask only when !IsGerman().
QString Text(const LanguageState& language, const QString& section, const QString& key,
             const QString& englishDefault = {});
// "%s" -> value and "\n" -> CR LF, as language texts use them.
QString Expand(QString text, const QString& value = {});

// LanguageFile of a stem: LanguageFolder + stem + "/" + stem + ".lng".
QString LanguageFileOf(const LanguageState& language, const QString& stem);

// A file of the current language's folder (LanguageFolder + stem + "/" + fileName) when it
// exists and is not empty, otherwise the same file of the substitute language, unchecked.
QString OwnOrSubstituteFile(const LanguageState& language, const QString& fileName);
// That file, read; the usual case looks at the disk once.
IniOps::Reader OwnOrSubstituteReader(const LanguageState& language, const QString& fileName);

// Reads the [entities] table of the language file into EntityKeys and EntityNames.
void CacheTranslationTable(LanguageState& language);
// Both translations refresh the state's region words and indexes as they go.
QString LocalizeName(LanguageState& language, const QString& name);
// The same with the language file already at hand: many names, one look at the disk.
QString LocalizeName(LanguageState& language, const QString& name,
                     const IniOps::Reader& languageFile);
QString DelocalizeName(LanguageState& language, const QString& text);

} // namespace LOCAL
