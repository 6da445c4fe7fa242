#include "modules/LOCAL.h"
#include "modules/StringOps.h"

#include "modules/FileSystem.h"
#include "modules/IniCache.h"
#include "modules/IniOps.h"
#include "modules/PrefixIndex.h"


namespace LOCAL {

namespace {

const QString kGerman = QStringLiteral("Deutsch");
const QString kEntities = QStringLiteral("entities");

// VB's Replace: an empty search text leaves the text as it is.
QString replaceAll(QString text, const QString& what, const QString& with)
{
    if (what.isEmpty())
        return text;
    return text.replace(what, with, Qt::CaseSensitive);
}

// The indexes of the translation table: they keep a reference to the list they were made
// from, so any change to the table detaches the two and makes them build again.
const PrefixIndex& nameIndex(LanguageState& st)
{
    PrefixIndex& index = st.NameIndex;
    if (index.isBuiltFrom(st.EntityNames))
        return index;
    for (qsizetype i = 0; i < st.EntityNames.size(); ++i) {
        // An empty translation would match every name; ";" matches only comment-like ones.
        if (StringOps::TrimSpaces(st.EntityNames.at(i)).isEmpty())
            st.EntityNames[i] = QStringLiteral(";");
    }
    index = PrefixIndex(st.EntityNames);
    return index;
}

const PrefixIndex& keyIndex(LanguageState& st)
{
    PrefixIndex& index = st.KeyIndex;
    if (!index.isBuiltFrom(st.EntityKeys))
        index = PrefixIndex(st.EntityKeys);
    return index;
}

} // namespace

const QStringList& RegionWords()
{
    static const QStringList words = {QStringLiteral("Caldora"), QStringLiteral("Frostmere"),
                                      QStringLiteral("Qasira"), QStringLiteral("Ur Kesh"),
                                      QStringLiteral("Tempel von")};
    return words;
}

bool IsGerman(const LanguageState& language)
{
    return language.LanguageName == kGerman;
}

QString Text(const LanguageState& language, const QString& section, const QString& key,
             const QString& englishDefault)
{
    return IniOps::ReadIni(language.LanguageFile, section, key, englishDefault);
}

QString Expand(QString text, const QString& value)
{
    // Line breaks first, so that a value (a path, a search term) is inserted as it is.
    text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    text.replace(QStringLiteral("%s"), value);
    return text;
}

namespace {

// A file in a language's folder.
QString fileOfLanguage(const LanguageState& language, const QString& stem, const QString& fileName)
{
    return language.LanguageFolder + stem + u'/' + fileName;
}

} // namespace

QString LanguageFileOf(const LanguageState& language, const QString& stem)
{
    return fileOfLanguage(language, stem, stem + QStringLiteral(".lng"));
}

QString OwnOrSubstituteFile(const LanguageState& language, const QString& fileName)
{
    const QString own = fileOfLanguage(language, language.LanguageStem, fileName);
    return FileSystem::FileExists(own)
               ? own
               : fileOfLanguage(language, language.SubstituteLanguage, fileName);
}

IniOps::Reader OwnOrSubstituteReader(const LanguageState& language, const QString& fileName)
{
    // The same choice as OwnOrSubstituteFile, from the one look that loading the file takes.
    IniCache::FileFacts own;
    auto document = IniCache::Load(fileOfLanguage(language, language.LanguageStem, fileName), own);
    if (own.regular && own.size > 0)
        return IniOps::Reader(std::move(document));
    return IniOps::Reader(fileOfLanguage(language, language.SubstituteLanguage, fileName));
}

void CacheTranslationTable(LanguageState& s)
{
    if (s.LanguageName.isEmpty())
        s.LanguageName = kGerman;
    if (s.LanguageName == kGerman)
        return;
    s.EntityKeys = IniOps::GetIniKeys(s.LanguageFile, kEntities);
    s.EntityNames.clear();
    s.EntityNames.reserve(s.EntityKeys.size());
    const IniOps::Reader file(s.LanguageFile);
    for (const QString& key : std::as_const(s.EntityKeys))
        s.EntityNames.append(file.ReadIni(kEntities, key, QString()));
}

QString LocalizeName(LanguageState& st, const QString& name)
{
    return LocalizeName(st, name, IniOps::Reader(st.LanguageFile));
}

QString LocalizeName(LanguageState& st, const QString& name, const IniOps::Reader& file)
{
    QString s = StringOps::TrimSpaces(name);

    st.RegionNames.clear();
    for (const QString& word : RegionWords())
        st.RegionNames.append(file.ReadIni(kEntities, word, word));
    for (qsizetype i = 0; i < RegionWords().size(); ++i)
        s = replaceAll(s, RegionWords().at(i), st.RegionNames.at(i));

    // The first key that begins the name wins, even when a longer one would fit better.
    const qsizetype i = keyIndex(st).firstPrefixOf(s);
    if (i < 0)
        return s;
    const QString& key = st.EntityKeys.at(i);
    const QString translation = file.ReadIni(kEntities, key, QString());
    const QString result = replaceAll(s, key, translation);
    return StringOps::TrimSpaces(result).isEmpty() ? s : result;
}

QString DelocalizeName(LanguageState& st, const QString& text)
{
    QString s = StringOps::TrimSpaces(text);

    for (qsizetype i = 0; i < st.RegionNames.size() && i < RegionWords().size(); ++i)
        s = replaceAll(s, st.RegionNames.at(i), RegionWords().at(i));

    // The first name in table order that begins s wins.
    const qsizetype i = nameIndex(st).firstPrefixOf(s);
    if (i < 0)
        return s;
    const QString& shown = st.EntityNames.at(i);
    const QString result =
        replaceAll(s, shown, i < st.EntityKeys.size() ? st.EntityKeys.at(i) : QString());
    return StringOps::TrimSpaces(result).isEmpty() ? s : result;
}

} // namespace LOCAL
