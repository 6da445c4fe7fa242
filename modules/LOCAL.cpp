#include "modules/LOCAL.h"

#include "modules/FileSystem.h"
#include "modules/IniOps.h"

#include <QHash>

namespace LOCAL {

namespace {

const QString kGerman = QStringLiteral("Deutsch");
const QString kEntities = QStringLiteral("entities");

QString trimmedBlanks(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

// VB's Replace: an empty search text leaves the text as it is.
QString replaceAll(QString text, const QString& what, const QString& with)
{
    if (what.isEmpty())
        return text;
    return text.replace(what, with, Qt::CaseSensitive);
}

// DelocalizeName's candidates: the indexes of the names by their first two characters (names
// of one character by that one), in table order. The index keeps a copy of the list it was
// made from, so any change to the table detaches the two and makes it build the index again.
struct NameIndex
{
    QStringList names;
    QHash<quint32, QList<qsizetype>> byStart;
    QHash<char16_t, QList<qsizetype>> single;
};

quint32 startOf(QStringView text)
{
    return (quint32(text[0].unicode()) << 16) | text[1].unicode();
}

const NameIndex& nameIndex(LanguageState& st)
{
    static NameIndex index;
    if (index.names.constData() == st.EntityNames.constData() &&
        index.names.size() == st.EntityNames.size())
        return index;
    for (qsizetype i = 0; i < st.EntityNames.size(); ++i) {
        // An empty translation would match every name; ";" matches only comment-like ones.
        if (trimmedBlanks(st.EntityNames.at(i)).isEmpty())
            st.EntityNames[i] = QStringLiteral(";");
    }
    index.byStart.clear();
    index.single.clear();
    for (qsizetype i = 0; i < st.EntityNames.size(); ++i) {
        const QString& name = st.EntityNames.at(i);
        if (name.size() == 1)
            index.single[name[0].unicode()].append(i);
        else
            index.byStart[startOf(name)].append(i);
    }
    index.names = st.EntityNames;
    return index;
}

} // namespace

LanguageState& State()
{
    static LanguageState state;
    return state;
}

const QStringList& RegionWords()
{
    static const QStringList words = {QStringLiteral("Caldora"), QStringLiteral("Frostmere"),
                                      QStringLiteral("Qasira"), QStringLiteral("Ur Kesh"),
                                      QStringLiteral("Tempel von")};
    return words;
}

bool IsGerman()
{
    return State().LanguageName == kGerman;
}

QString Text(const QString& section, const QString& key, const QString& englishDefault)
{
    return IniOps::ReadIni(State().LanguageFile, section, key, englishDefault);
}

QString Expand(QString text, const QString& value)
{
    // Line breaks first, so that a value (a path, a search term) is inserted as it is.
    text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    text.replace(QStringLiteral("%s"), value);
    return text;
}

QString LanguageFileOf(const QString& stem)
{
    return State().LanguageFolder + stem + u'/' + stem + QStringLiteral(".lng");
}

QString OwnOrSubstituteFile(const QString& fileName)
{
    const LanguageState& st = State();
    const QString own = st.LanguageFolder + st.LanguageStem + u'/' + fileName;
    return FileSystem::FileExists(own) ? own
                                       : st.LanguageFolder + st.SubstituteLanguage + u'/' + fileName;
}

void CacheTranslationTable()
{
    LanguageState& s = State();
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

QString LocalizeName(const QString& name)
{
    LanguageState& st = State();
    QString s = trimmedBlanks(name);

    const IniOps::Reader file(st.LanguageFile);
    st.RegionNames.clear();
    for (const QString& word : RegionWords())
        st.RegionNames.append(file.ReadIni(kEntities, word, word));
    for (qsizetype i = 0; i < RegionWords().size(); ++i)
        s = replaceAll(s, RegionWords().at(i), st.RegionNames.at(i));

    // The first key that begins the name wins, even when a longer one would fit better.
    for (const QString& key : std::as_const(st.EntityKeys)) {
        if (!s.startsWith(key, Qt::CaseSensitive))
            continue;
        const QString translation = file.ReadIni(kEntities, key, QString());
        const QString result = replaceAll(s, key, translation);
        return trimmedBlanks(result).isEmpty() ? s : result;
    }
    return s;
}

QString DelocalizeName(const QString& text)
{
    LanguageState& st = State();
    QString s = trimmedBlanks(text);

    for (qsizetype i = 0; i < st.RegionNames.size() && i < RegionWords().size(); ++i)
        s = replaceAll(s, st.RegionNames.at(i), RegionWords().at(i));

    // Only names that begin with the first two characters of s (or are its first character)
    // can begin s; the first of them in table order wins.
    const NameIndex& index = nameIndex(st);
    static const QList<qsizetype> none;
    const QList<qsizetype>* two = &none;
    const QList<qsizetype>* one = &none;
    if (s.size() >= 2)
        if (const auto it = index.byStart.constFind(startOf(s)); it != index.byStart.constEnd())
            two = &*it;
    if (!s.isEmpty())
        if (const auto it = index.single.constFind(s[0].unicode()); it != index.single.constEnd())
            one = &*it;
    for (qsizetype a = 0, b = 0; a < two->size() || b < one->size();) {
        const bool fromTwo = b >= one->size() || (a < two->size() && two->at(a) < one->at(b));
        const qsizetype i = fromTwo ? two->at(a++) : one->at(b++);
        const QString& shown = st.EntityNames.at(i);
        if (!s.startsWith(shown, Qt::CaseSensitive))
            continue;
        const QString result =
            replaceAll(s, shown, i < st.EntityKeys.size() ? st.EntityKeys.at(i) : QString());
        return trimmedBlanks(result).isEmpty() ? s : result;
    }
    return s;
}

} // namespace LOCAL
