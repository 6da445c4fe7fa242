#pragma once
// The table of contents of a compiled help file: its ".hhc" sitemap, nested lists of
// <OBJECT type="text/sitemap"> entries with "Name" and "Local" parameters.
#include <QList>
#include <QString>

struct SitemapEntry
{
    QString name;
    QString local;                 // topic path inside the archive, may be empty (a heading)
    QList<SitemapEntry> children;
};

namespace ChmSitemap {

// Tolerant of what help compilers write: unclosed <LI>, upper case, missing </UL>.
QList<SitemapEntry> Parse(const QString& html);

} // namespace ChmSitemap
