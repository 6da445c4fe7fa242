// Start-up of the main window: settings, language state, installation check.
#include "forms/main/frmMain.h"

#include "controls/ComboBox_Height.h"
#include "platform/Services.h"
#include "controls/clsToolTipDeluxe.h"
#include "forms/main/Dialogs.h"
#include "forms/main/MapView.h"
#include "modules/FileSystem.h"
#include "modules/Globals.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Registry_Module.h"
#include "modules/Session.h"
#include "modules/Twips2Pixel_Module.h"
#include "Version.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>

void frmMain::Create()
{
    Session& g = m_session;
    LanguageState& lang = g.language;
    g.search.SearchCache.clear();
    m_installation = Installation(g.ProgramFolder);
    g.SettingsFile = m_installation.settingsFile();
    const StartupSettings settings = m_installation.readSettings(&g.userConfig);
    g.ExtrasFolder = settings.extrasFolder;
    g.PicsFolder = settings.picsFolder;
    g.LangFolder = settings.langFolder;
    m_startImage = QPixmap(QStringLiteral(":/main/start.jpg"));
    RestoreStartImage();
    // "LANG" is the "lang" folder of an installation copied from Windows.
    lang.LanguageFolder =
        FileSystem::FindFile(g.ProgramFolder + QLatin1Char('/') + g.LangFolder) + QLatin1Char('/');
    lang.LanguageStem = settings.languageStem;
    lang.LanguageFile = LOCAL::LanguageFileOf(lang, lang.LanguageStem);
    lang.LanguageName = IniOps::ReadIni(lang.LanguageFile, QStringLiteral("general"),
                                        QStringLiteral("language"), QString());
    if (lang.LanguageName.isEmpty())
        lang.LanguageName = QStringLiteral("Deutsch");
    if (!LOCAL::IsGerman(lang))
        Translate_UI();
    else
        Translate_UI_DE();
    CacheTranslationTable();

    const QString systemLanguage =
        Registry_Module::RegReadPath(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\International\\"),
                                     QStringLiteral("sLanguage"))
            .trimmed()
            .toLower();
    m_startupLanguageDialog = LOCAL::IsGerman(lang) && systemLanguage != QLatin1String("deu");
    if (m_startupLanguageDialog)
        showLanguageDialog();
}

bool frmMain::Load()
{
    Session& g = m_session;
    LanguageState& lang = g.language;
    g.Revision = Registry_Module::RegReadValue(QStringLiteral("HKEY_LOCAL_MACHINE"),
                                               QStringLiteral("Software\\Karvenna"),
                                               QStringLiteral("Revision"))
                     .trimmed();
    if (g.Revision.isEmpty())
        g.Revision = QString::number(KARVENNA_VERSION_REVISION);

    // Read again: the language dialog of creation may have written the settings.
    const StartupSettings settings = m_installation.readSettings(&g.userConfig);
    g.EditionSuffix.clear();
    if (settings.noExtras) {
        action(QStringLiteral("mnuExtras"))->setVisible(false);
        g.EditionSuffix = QStringLiteral("Lite");
    }
    if (settings.noLang) {
        action(QStringLiteral("mnuLanguage"))->setVisible(false);
        g.EditionSuffix += QLatin1Char(' ') + settings.localizedString;
    }
    setWindowTitle(Globals::ProductTitle() + QLatin1Char(' ') + g.VersionText() + QLatin1Char(' ')
                   + g.EditionSuffix);

    m_display.ITEM.visible = false;
    m_display.cboItems.visible = false;
    InfoFile = m_installation.infoFile();

    // The stored stem stands in for the name until a language file is read again.
    lang.LanguageName = settings.languageStem;
    if (lang.LanguageName.isEmpty())
        lang.LanguageName = QStringLiteral("Deutsch");

    if (const QString missing = m_installation.firstMissingFile(); !missing.isEmpty()) {
        FileNotFound(missing);
        return false;
    }

    show();

    if (!m_toolTip) { // another installation opened later keeps the one balloon object
        m_toolTip = new clsToolTipDeluxe(this);
        m_toolTip->MaxWidth(300);
        m_toolTip->Create(this, true, true);
        m_toolTip->VisibleTime(10000);
        m_toolTip->DelayTime(200);
    }

    ComboBox_Height::SetComboBoxHeight(this, m_cboItems,
                                       Twips2Pixel_Module::TwipsToPixelsY(m_display.imgMap.height));
    m_display.dropDownHeight = Twips2Pixel_Module::TwipsToPixelsY(m_display.imgMap.height);

    lang.SubstituteLanguage = settings.substituteLanguage;
    syncDisplay();
    if (m_rememberForUser)
        RememberInstallation(g.ProgramFolder, g.userConfig);
    return true;
}

QString frmMain::missingFileMessage(const QString& path, QString* caption) const
{
    const LanguageState& lang = m_session.language;
    if (!LOCAL::IsGerman(lang)) {
        *caption = LOCAL::Text(lang, QStringLiteral("ui"), QStringLiteral("FileNotFoundCaption"), QString());
        return LOCAL::Expand(LOCAL::Text(lang, QStringLiteral("ui"), QStringLiteral("FileNotFound"), QString()), path);
    }
    *caption = QStringLiteral("Fehler");
    return QStringLiteral("Die folgende Datei fehlt: ") + path + QStringLiteral("\r\n")
           + QStringLiteral("Das Programm kann nicht fortgesetzt werden.");
}

void frmMain::FileNotFound(const QString& path)
{
    hide();
    QString caption;
    const QString message = missingFileMessage(path, &caption);
    m_services.messages->show(nullptr, MessageService::Icon::Stop, caption, message);
    m_ended = true;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    saveForUser();
    if (m_toolTip)
        m_toolTip->Destroy();
    // Unloading the main window ends the program; batch mode runs no further actions.
    m_ended = true;
    QMainWindow::closeEvent(event);
}
