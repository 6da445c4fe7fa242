#pragma once
// The language dialog: German and every language of the language folder with its flag, the
// details of the highlighted one, and Select to switch the whole interface at once.
#include "modules/language/LanguageCatalogue.h"

#include "forms/lang/LanguageDialogAutomation.h"

#include <QDialog>
#include <QPixmap>

class GridListbox;
class LinkLabel;
class QGroupBox;
class QLabel;
class QPushButton;
class frmMain;

class frmLang : public QDialog, public LanguageDialogAutomation
{
    Q_OBJECT

public:
    // main receives the new captions on Select; without it only the language state and the
    // settings file change.
    explicit frmLang(frmMain* main, QWidget* parent = nullptr);

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

    frmMain* m_main;
    QPixmap m_germanFlag;
    QPixmap m_noFlag;
    QStringList m_entries;
};
