#include "controls/HtmlViewer.h"

#include "controls/HtmlText.h"
#include "controls/ViewerWindow.h"
#include "modules/FileSystem.h"
#include "platform/Services.h"

#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace {

constexpr qint64 kMaxPageSize = 32 * 1024 * 1024;

bool isPage(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm")
           || suffix == QLatin1String("hta") || suffix == QLatin1String("txt");
}

} // namespace

HtmlViewer* HtmlViewer::Open(const QString& path, ShellService& shell, UserConfig* user)
{
    auto* viewer = new HtmlViewer(&shell, user);
    viewer->showPage(path);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

HtmlViewer::HtmlViewer(ShellService* shell, UserConfig* user, QWidget* parent)
    : QTextBrowser(parent), m_shell(shell)
{
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("HtmlViewer"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlViewer::follow);
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = documentTitle();
        setWindowTitle(title.isEmpty() ? QFileInfo(source().toLocalFile()).fileName() : title);
    });
    ViewerWindow::Setup(this, user, QStringLiteral("html"), QSize(820, 620));
}

void HtmlViewer::showPage(const QString& path)
{
    const QFileInfo info(FileSystem::FindFile(path));
    if (path.isEmpty() || !info.isFile()) {
        // What a host shows for a missing page; the program does not report it.
        setWindowTitle(info.fileName());
        setHtml(QStringLiteral("<h3>%1</h3><p>%2</p>")
                    .arg(tr("The page cannot be shown."), path.toHtmlEscaped()));
        return;
    }
    setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
}

QVariant HtmlViewer::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile())
        return QTextBrowser::loadResource(type, name);
    // Pages and their pictures, named in whatever case the page's author used.
    QFile file(FileSystem::FindFile(url.toLocalFile()));
    if (file.size() > kMaxPageSize || !file.open(QIODevice::ReadOnly))
        return {};
    // Pages are decoded here so that Windows-1252 pages keep their umlauts.
    if (type == QTextDocument::HtmlResource)
        return HtmlText::DecodeHtml(file.readAll());
    return file.readAll();
}

void HtmlViewer::follow(const QUrl& link)
{
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (!url.isLocalFile()) {
        if (m_shell)
            m_shell->open(url.toString());
        return;
    }
    // Pages written on Windows link to "Karte.HTML" for "karte.html".
    const QString path = FileSystem::FindFile(url.toLocalFile());
    if (isPage(path) && QFileInfo(path).isFile())
        setSource(QUrl::fromLocalFile(path));
    else if (m_shell)
        m_shell->open(QLatin1Char('"') + path + QLatin1Char('"'));
}
