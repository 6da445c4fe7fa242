#pragma once
// The language dialog: German and every language of the language folder with its flag, the
// details of the highlighted one, and Select to switch the whole interface at once.
#include "modules/language/LanguageCatalogue.h"

#include "controls/Hyperlink.h"
#include "forms/lang/LanguageDialogAutomation.h"

#include <QDialog>
#include <QPixmap>

class GridListbox;
class QGroupBox;
class QLabel;
class QPushButton;
class Session;
class ShellService;

class frmLang : public QDialog, public LanguageDialogAutomation
{
    Q_OBJECT

public:
    // Select makes the chosen language the session's and writes it into the settings file;
    // the window that opened the dialog then puts up the new texts.
    frmLang(Session& session, ShellService& shell, QWidget* parent = nullptr);

    // Whether Select chose a language.
    bool chosen() const { return m_chosen; }

    // Selects the row whose tag's file stem is stem ("Deutsch": the German row) as a click
    // would. False when there is no such row.
    bool selectRowByStem(const QString& stem) override;
    void pressSelect() override;
    void cancel() override;

    GridListbox* glbLang = nullptr;
    QGroupBox* fraMetaData = nullptr;
    QLabel* imgCurrentLang = nullptr;
    QLabel* lblCurrentLang = nullptr;
    QLabel* lblVersionCaption = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblAuthorCaption = nullptr;
    QLabel* lblAuthor = nullptr;
    QLabel* lblEMailLabel = nullptr;
    LinkLabel* lblEMail = nullptr;
    QLabel* lblWebSiteLabel = nullptr;
    LinkLabel* lblWebSite = nullptr;
    QPushButton* btnSelect = nullptr;
    QPushButton* btnAbort = nullptr;

private:
    void buildControls();
    void Form_Load();
    void ShowDetails(const LanguageCatalogue::Details& details);
    void glbLang_RowClick(int row);
    void btnSelect_Click();

    Session& m_session;
    ShellService& m_shell;
    bool m_chosen = false;
    HyperlinkRegistry m_links;
    QPixmap m_germanFlag;
    QPixmap m_noFlag;
    QStringList m_entries;
};
