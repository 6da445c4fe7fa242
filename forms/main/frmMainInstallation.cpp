// Another installation, and what the window keeps for the person between runs.
#include "forms/main/frmMain.h"

#include "modules/LOCAL.h"
#include "modules/Session.h"
#include "platform/Services.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>

namespace {

const QString kGeometry = QStringLiteral("window/geometry");

} // namespace

void frmMain::chooseInstallation()
{
    QString folder = std::exchange(m_answerFolder, QString());
    if (folder.isEmpty() && !m_services.batch) {
        const LanguageState& lang = m_session.language;
        const QString title = LOCAL::IsGerman(lang)
                                  ? QStringLiteral("Installation öffnen")
                                  : LOCAL::Text(lang, QStringLiteral("ui"),
                                                QStringLiteral("mxOpenInstallationCaption"),
                                                QStringLiteral("Open installation"));
        folder = QFileDialog::getExistingDirectory(this, title, m_session.ProgramFolder);
    }
    if (!folder.isEmpty())
        OpenInstallation(folder);
}

bool frmMain::OpenInstallation(const QString& folder)
{
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (const QString missing = Installation(clean).firstMissingFile(); !missing.isEmpty()) {
        // Not an end here: the installation that is open stays open.
        QString caption;
        const QString message = missingFileMessage(missing, &caption);
        m_services.messages->show(this, MessageService::Icon::Stop, caption, message);
        return false;
    }
    m_session.ProgramFolder = clean;
    ClearUI();
    m_display.CurrentMap.clear();
    // Start-up hides these only when the settings say so.
    action(QStringLiteral("mnuExtras"))->setVisible(true);
    action(QStringLiteral("mnuLanguage"))->setVisible(true);
    action(QStringLiteral("miFindAgain"))->setEnabled(false);
    Create();
    return Load();
}

void frmMain::rememberForUser(bool restoreWindow)
{
    m_rememberForUser = true;
    m_rememberWindow = restoreWindow;
    const QByteArray geometry = m_session.userConfig.value(kGeometry).toByteArray();
    // Qt puts a window whose screen has gone, or that lies off every screen, back onto one.
    if (restoreWindow && !geometry.isEmpty())
        restoreGeometry(geometry);
}

void frmMain::saveForUser()
{
    // A window of a size given on the command line is no choice of the person's.
    if (m_rememberWindow)
        m_session.userConfig.setValue(kGeometry, saveGeometry());
}
