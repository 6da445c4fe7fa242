#pragma once
// The about box: title, version, legal notice, the maker's links, disclaimer, sources and
// thanks; plays the program's music while it is open when the settings allow it.
#include "controls/Hyperlink.h"
#include "forms/about/AboutDialogAutomation.h"

#include <QDialog>

class LinkLabel;
class ShellService;
class SoundService;
class QFrame;
class QLabel;
class QPushButton;
class Session;

class frmAbout : public QDialog, public AboutDialogAutomation
{
    Q_OBJECT

public:
    frmAbout(const Session& session, SoundService& sound, ShellService& shell,
             QWidget* parent = nullptr);
    ~frmAbout() override;

    // The box's links with their colour state.
    const HyperlinkRegistry& Links() const { return m_links; }

    // "special"/"PlayMusic" as read at loading: lower-cased, blanks trimmed.
    QString PlayMusicSetting() const { return m_playMusicSetting; }

    QLabel* picBanner = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblEMailLabel = nullptr;
    LinkLabel* lblEMail = nullptr;
    QLabel* lblWebSiteLabel = nullptr;
    LinkLabel* lblWebSite = nullptr;
    QFrame* LineGray = nullptr;
    QFrame* linWhite = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* lblSources = nullptr;
    QLabel* lblThanksTo = nullptr;
    QPushButton* btnOK = nullptr;

    void pressOK() override;

public slots:
    void done(int result) override;

private:
    void buildControls();
    void Form_Load(const Session& session);
    void Form_Unload();

    HyperlinkRegistry m_links;
    SoundService& m_sound;
    ShellService& m_shell;
    QString m_playMusicSetting;
    bool m_unloaded = false;
};
