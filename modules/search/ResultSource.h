#pragma once
// The result list's data: the search cache, read as the find dialog's first search reads it
// when nobody has searched yet, and the index over it. A map data file, the description file
// or the language that changed since makes the next refresh read everything again (into a
// list of its own: the find dialog keeps the cache it has).
#include "modules/search/ResultIndex.h"

#include <QDateTime>
#include <QList>
#include <optional>

class Session;

class ResultSource
{
public:
    using Map = Search::MapFile;
    ResultSource(Session& session, QList<Map> maps, QString infoFile);

    // Builds or rebuilds the index where needed. A broken link is returned as the find
    // dialog reports it; the index is then empty.
    std::optional<LinkError> refresh();
    // Whether refresh would read the files again.
    bool stale() const;

    ResultIndex& index() { return m_index; }
    const ResultIndex& index() const { return m_index; }

private:
    struct Stamp
    {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    std::vector<Stamp> stamps() const;
    QString languageKey() const;

    Session& m_session;
    QList<Map> m_maps;
    QString m_infoFile;
    ResultIndex m_index;
    bool m_built = false;
    std::vector<Stamp> m_stamps;
    QString m_language;
};
