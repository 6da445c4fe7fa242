#pragma once
// Stand-in for the HTML application host "mshta.exe": one page in a window of its own, with
// its pictures; local pages open inside, addresses and other documents on the desktop through
// the shell service.
#include <QTextBrowser>

class ShellService;
class UserConfig;

class HtmlViewer : public QTextBrowser
{
    Q_OBJECT

public:
    // Opens a non-modal window for the page; a missing page shows a notice in it. Documents
    // that are not pages open through shell.
    // Its size is kept in user (may be null).
    static HtmlViewer* Open(const QString& path, ShellService& shell, UserConfig* user = nullptr);

    explicit HtmlViewer(ShellService* shell = nullptr, UserConfig* user = nullptr,
                        QWidget* parent = nullptr);
    void showPage(const QString& path);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void follow(const QUrl& link);

    ShellService* m_shell;
};
