#include "modules/search/ResultSource.h"

#include "modules/Session.h"

#include <QFileInfo>

ResultSource::ResultSource(Session& session, QList<Map> maps, QString infoFile)
    : m_session(session), m_maps(std::move(maps)), m_infoFile(std::move(infoFile))
{
}

std::vector<ResultSource::Stamp> ResultSource::stamps() const
{
    QStringList files{m_infoFile, Search::DescriptionSource(m_session.language, m_infoFile)};
    for (const Map& map : m_maps)
        files.append(map.dataFile);
    std::vector<Stamp> list;
    for (const QString& file : files) {
        const QFileInfo info(file);
        list.push_back(info.exists() ? Stamp{info.size(), info.lastModified()} : Stamp{});
    }
    return list;
}

QString ResultSource::languageKey() const
{
    return m_session.language.LanguageName + u'\n' + m_session.language.LanguageFile;
}

bool ResultSource::stale() const
{
    return !m_built || m_language != languageKey() || m_stamps != stamps();
}

std::optional<LinkError> ResultSource::refresh()
{
    const std::vector<Stamp> now = stamps();
    const bool filesChanged = m_built && now != m_stamps;
    if (m_built && !filesChanged && m_language == languageKey())
        return std::nullopt;
    m_stamps = now;
    m_language = languageKey();

    SearchState& search = m_session.search;
    QList<SearchRecord> records;
    if (!m_built && !search.SearchCache.isEmpty()) {
        records = search.SearchCache;
    } else if (m_built && !filesChanged) {
        records = m_index.records();  // only the names of the new language are new
    } else {
        // The first reading is the search cache itself, shared with the find dialog; a later
        // one is the list's own, so that find again keeps the records it walks.
        SearchState fresh;
        SearchState& target = m_built ? fresh : search;
        if (auto error = Search::CacheMaps(target, m_session.language, m_maps, m_infoFile)) {
            target.SearchCache.clear();
            m_index.clear();
            m_built = false;
            return error;
        }
        records = target.SearchCache;
    }
    m_index.build(records, m_session.language);
    m_built = true;
    return std::nullopt;
}
