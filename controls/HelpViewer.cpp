#include "controls/HelpViewer.h"

#include "controls/ChmArchive.h"
#include "controls/ChmSitemap.h"
#include "controls/HtmlText.h"
#include "controls/ViewerWindow.h"
#include "platform/Services.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kScheme = QStringLiteral("chm");
constexpr int kTopicRole = Qt::UserRole;

} // namespace

ChmBrowser::ChmBrowser(std::shared_ptr<ChmArchive> archive, ShellService* shell, QWidget* parent)
    : QTextBrowser(parent), m_archive(std::move(archive)), m_shell(shell)
{
    // Links are followed here: archive topics inside, everything else on the desktop.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::follow);
}

QUrl ChmBrowser::TopicUrl(const QString& archivePath)
{
    QString path = archivePath;
    const qsizetype separator = path.indexOf(QLatin1String("::"));
    if (separator >= 0)
        path = path.mid(separator + 2);
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    QUrl url;
    url.setScheme(kScheme);
    const qsizetype hash = path.indexOf(QLatin1Char('#'));
    url.setPath(hash >= 0 ? path.left(hash) : path);
    if (hash >= 0)
        url.setFragment(path.mid(hash + 1));
    return url;
}

QUrl ChmBrowser::resolve(const QUrl& link) const
{
    const QString text = link.toString();
    if (text.contains(QLatin1String("::")))   // ms-its:, mk:@MSITStore:
        return TopicUrl(text);
    if (link.isRelative())
        return source().resolved(link);
    return link;
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = resolve(name);
    if (url.scheme() != kScheme)
        return {};
    const std::optional<QByteArray> data = m_archive->read(url.path());
    if (!data)
        return {};
    if (type == QTextDocument::HtmlResource)
        return HtmlText::DecodeHtml(*data);
    if (type == QTextDocument::StyleSheetResource)
        return HtmlText::DecodeAnsi(*data);
    return *data;
}

void ChmBrowser::follow(const QUrl& link)
{
    const QUrl url = resolve(link);
    if (url.scheme() == kScheme)
        setSource(url);
    else if (m_shell)
        m_shell->open(url.toString());
}

bool HelpViewer::Open(const QString& path, ShellService* shell, UserConfig* user)
{
    auto archive = std::make_shared<ChmArchive>(path);
    if (!archive->isOpen())
        return false;
    auto* viewer = new HelpViewer(std::move(archive), shell, user);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

HelpViewer::HelpViewer(std::shared_ptr<ChmArchive> archive, ShellService* shell, UserConfig* user,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), m_archive(std::move(archive))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whatever help is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("HelpViewer"));
    const QString title = m_archive->title();
    setWindowTitle(title.isEmpty() ? QFileInfo(m_archive->path()).completeBaseName() : title);

    m_contents = new QTreeWidget;
    m_contents->setHeaderHidden(true);
    m_contents->setColumnCount(1);
    m_browser = new ChmBrowser(m_archive, shell);

    auto* toolBar = new QToolBar;
    QAction* back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    QAction* forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    QAction* home = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter);
    ViewerWindow::Setup(this, user, QStringLiteral("help"), QSize(920, 660));

    if (const auto sitemap = m_archive->read(m_archive->contentsFile()))
        addEntries(ChmSitemap::Parse(HtmlText::DecodeHtml(*sitemap)), nullptr);
    m_contents->expandToDepth(0);
    if (m_contents->topLevelItemCount() == 0)
        m_contents->hide();
    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpViewer::showTopic);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpViewer::showTopic);

    QString start = m_archive->defaultTopic();
    for (auto* item = m_contents->topLevelItem(0); start.isEmpty() && item;
         item = m_contents->itemBelow(item))
        start = item->data(0, kTopicRole).toString();
    if (!start.isEmpty())
        m_browser->setSource(ChmBrowser::TopicUrl(start));
}

void HelpViewer::addEntries(const QList<SitemapEntry>& entries, QTreeWidgetItem* parent)
{
    for (const SitemapEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
        item->setText(0, entry.name);
        item->setData(0, kTopicRole, entry.local);
        const bool book = !entry.children.isEmpty();
        item->setIcon(0, style()->standardIcon(book ? QStyle::SP_DirIcon : QStyle::SP_FileIcon));
        addEntries(entry.children, item);
    }
}

void HelpViewer::showTopic(QTreeWidgetItem* item)
{
    const QString local = item ? item->data(0, kTopicRole).toString() : QString();
    if (!local.isEmpty())
        m_browser->setSource(ChmBrowser::TopicUrl(local));
}
