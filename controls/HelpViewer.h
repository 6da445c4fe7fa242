#pragma once
// Our viewer for compiled HTML help (.chm): contents on the left, the topic on the right.
// Pages, pictures and style sheets are read from the archive; links outside it go to the
// desktop through the shell service.
#include <QTextBrowser>
#include <QWidget>
#include <memory>

class ChmArchive;
class ShellService;
class UserConfig;
class QTreeWidget;
class QTreeWidgetItem;
struct SitemapEntry;

// A text browser whose "chm:" addresses are objects of one archive.
class ChmBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    ChmBrowser(std::shared_ptr<ChmArchive> archive, ShellService* shell = nullptr,
               QWidget* parent = nullptr);

    // "chm:/topic.htm" for an archive path; also understands "ms-its:x.chm::/topic.htm".
    static QUrl TopicUrl(const QString& archivePath);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void follow(const QUrl& link);
    QUrl resolve(const QUrl& link) const;

    std::shared_ptr<ChmArchive> m_archive;
    ShellService* m_shell;
};

class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    // Opens a non-modal window for the help file; false when it is not a readable help file.
    // Its size is kept in user (may be null).
    static bool Open(const QString& path, ShellService* shell = nullptr, UserConfig* user = nullptr);

    explicit HelpViewer(std::shared_ptr<ChmArchive> archive, ShellService* shell = nullptr,
                        UserConfig* user = nullptr, QWidget* parent = nullptr);

    ChmBrowser* browser() const { return m_browser; }
    QTreeWidget* contents() const { return m_contents; }

private:
    void addEntries(const QList<SitemapEntry>& entries, QTreeWidgetItem* parent);
    void showTopic(QTreeWidgetItem* item);

    std::shared_ptr<ChmArchive> m_archive;
    QTreeWidget* m_contents = nullptr;
    ChmBrowser* m_browser = nullptr;
};
