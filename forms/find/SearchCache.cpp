#include "forms/find/SearchCache.h"

#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Numeric.h"
#include "modules/StringOps.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kComma = QStringLiteral(",");

bool IsDisabledKey(const QString& key)
{
    return key.startsWith(u';') || key.startsWith(u'/') || key.startsWith(u'*');
}

QString Description(const QString& source, const QString& key)
{
    const QString text = IniOps::ReadIni(source, QStringLiteral("Info"), key, QString());
    if (!text.startsWith(u'#'))
        return text;
    // One level only: the target's text is used even if it is a link itself.
    return IniOps::ReadIni(source, QStringLiteral("Info"), text.mid(1).trimmed(), QString());
}

// The first len(term) characters, lower-cased, equal the term lower-cased.
bool NameBeginsWith(const QString& name, const QString& term, const QString& lowerTerm)
{
    return name.left(term.size()).toLower() == lowerTerm;
}

bool NameMatches(const QString& name, const QString& term, const QString& lowerTerm,
                 Search::NameForm form)
{
    const bool localize = form == Search::NameForm::LocalizeAgain && !LOCAL::IsGerman();
    return NameBeginsWith(localize ? LOCAL::LocalizeName(name) : name, term, lowerTerm);
}

} // namespace

SearchState& SearchState::instance()
{
    static SearchState state;
    return state;
}

QString LinkError::caption() { return QStringLiteral("Link Error"); }

QString LinkError::text() const
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("DB: ") + dataFile + crlf + crlf + u'[' + section + u']' + crlf + key +
           QStringLiteral("=#,") + target + crlf + crlf + QStringLiteral("Link-Target invalid!");
}

QString Search::DescriptionSource(const QString& infoFile)
{
    if (LOCAL::IsGerman())
        return infoFile;
    const LanguageState& language = LOCAL::State();
    const QString own = language.LanguageFolder + language.LanguageStem + "/info.data";
    return FileSystem::FileExists(own) ? own : infoFile;
}

qint16 Search::Coordinate(const QString& field)
{
    double value = Numeric::WholeNumber(field).value_or(Numeric::LeadingNumber(field));
    if (std::isnan(value))
        value = 0;
    return Numeric::ToInt16(std::clamp(value, -32768.0, 32767.0));
}

std::optional<LinkError> Search::CacheEntities(const QString& dataFile, const QString& picture,
                                               const QString& infoFile)
{
    QList<SearchRecord>& cache = SearchState::instance().SearchCache;
    const bool german = LOCAL::IsGerman();
    const QString descriptions = DescriptionSource(infoFile);

    for (const QString& section : IniOps::GetIniSections(dataFile)) {
        QString category = section;
        category.remove(u'[').remove(u']');
        for (const QString& key : IniOps::GetIniKeys(dataFile, section)) {
            if (IsDisabledKey(key))
                continue;
            SearchRecord record;
            record.dataFile = dataFile;
            record.picture = picture;
            record.category = category;
            record.name = german ? key : LOCAL::LocalizeName(key);
            record.description = Description(descriptions, key);

            QString value = IniOps::ReadIni(dataFile, section, key, QString());
            if (StringOps::GetSplitItem(value, 1, kComma).trimmed() == u"#") {
                const QString target = StringOps::GetSplitItem(value, 2, kComma).trimmed();
                value = IniOps::ReadIni(dataFile, target, key, QString());
                if (StringOps::GetToken(value, 1, kComma).trimmed().isEmpty())
                    return LinkError{dataFile, section, key, target};
            }
            record.x = Coordinate(StringOps::GetToken(value, 1, kComma));
            record.y = Coordinate(StringOps::GetToken(value, 2, kComma));
            cache.append(record);
        }
    }
    return std::nullopt;
}

bool Search::MatchesName(const QString& name, const QString& term, NameForm form)
{
    return NameMatches(name, term, term.toLower(), form);
}

bool Search::MatchesDescription(const QString& description, const QString& term)
{
    return StringOps::Contains(description.toLower(), term.toLower());
}

int Search::FindMatch(const QList<SearchRecord>& records, int from, const QString& term, int mode,
                      NameForm form)
{
    const QString lowerTerm = term.toLower();
    for (int i = std::max(from, 0); i < records.size(); ++i) {
        const SearchRecord& record = records[i];
        const bool match = mode == 0
                               ? NameMatches(record.name, term, lowerTerm, form)
                               : StringOps::Contains(record.description.toLower(), lowerTerm);
        if (match)
            return i;
    }
    return -1;
}
