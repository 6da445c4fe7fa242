#include "controls/ChmSitemap.h"

#include "controls/HtmlText.h"

#include <QHash>
#include <QRegularExpression>
#include <vector>

namespace {

constexpr size_t kMaxDepth = 64;

struct FlatEntry
{
    QString name, local;
    int parent;
};

QHash<QString, QString> attributes(const QString& text)
{
    static const QRegularExpression attribute(
        QStringLiteral("([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"));
    QHash<QString, QString> values;
    auto it = attribute.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QString value = m.captured(2);
        if (m.capturedStart(3) >= 0)
            value = m.captured(3);
        else if (m.capturedStart(4) >= 0)
            value = m.captured(4);
        values.insert(m.captured(1).toLower(), HtmlText::DecodeEntities(value));
    }
    return values;
}

// kids[0] holds the top level, kids[i + 1] the children of entry i.
QList<SitemapEntry> childrenOf(const std::vector<FlatEntry>& flat,
                               const std::vector<std::vector<int>>& kids, int parent)
{
    QList<SitemapEntry> entries;
    for (int i : kids[parent + 1])
        entries.append(SitemapEntry{flat[i].name, flat[i].local, childrenOf(flat, kids, i)});
    return entries;
}

} // namespace

namespace ChmSitemap {

QList<SitemapEntry> Parse(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral("<\\s*(/?)\\s*(ul|object|param)\\b([^>]*)>"),
                                        QRegularExpression::CaseInsensitiveOption);
    std::vector<FlatEntry> flat;
    std::vector<int> parents{-1};
    int lastAtLevel = -1;
    bool inEntry = false;
    QString name, local;

    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const bool closing = !m.captured(1).isEmpty();
        const QString element = m.captured(2).toLower();
        if (element == QLatin1String("ul")) {
            if (!closing) {
                // Deeper nesting than any real contents flattens (bounded recursion below).
                const bool deeper = lastAtLevel >= 0 && parents.size() < kMaxDepth;
                parents.push_back(deeper ? lastAtLevel : parents.back());
                lastAtLevel = -1;
            } else if (parents.size() > 1) {
                lastAtLevel = parents.back();
                parents.pop_back();
            }
        } else if (element == QLatin1String("object")) {
            if (!closing) {
                const QString type = attributes(m.captured(3)).value(QStringLiteral("type"));
                inEntry = type.compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
                name.clear();
                local.clear();
            } else if (inEntry) {
                flat.push_back(FlatEntry{name, local, parents.back()});
                lastAtLevel = int(flat.size()) - 1;
                inEntry = false;
            }
        } else if (inEntry && !closing) {
            const QHash<QString, QString> values = attributes(m.captured(3));
            const QString key = values.value(QStringLiteral("name")).toLower();
            // Merged help files repeat parameters; the first one is the topic's own.
            if (key == QLatin1String("name") && name.isEmpty())
                name = values.value(QStringLiteral("value"));
            else if (key == QLatin1String("local") && local.isEmpty())
                local = values.value(QStringLiteral("value"));
        }
    }
    std::vector<std::vector<int>> kids(flat.size() + 1);
    for (int i = 0; i < int(flat.size()); ++i)
        kids[flat[i].parent + 1].push_back(i);
    return childrenOf(flat, kids, -1);
}

} // namespace ChmSitemap
