#include "forms/lang/frmLang.h"

#include "controls/Fonts.h"
#include "controls/GridListbox.h"
#include "controls/Hyperlink.h"
#include "platform/Services.h"
#include "controls/TwipsGeometry.h"
#include "modules/FileSystem.h"
#include "modules/Session.h"
#include "modules/LOCAL.h"
#include "modules/installation/Installation.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 4575;
constexpr int kClientHeight = 7695;
const QString kGermanFlag = QStringLiteral(":/lang/german.png");
const QString kNoFlag = QStringLiteral(":/lang/noflag.png");

using TwipsGeometry::Make;

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, int width,
                  const QString& text = QString())
{
    auto* label = Make<QLabel>(parent, name, left, top, width, 240);
    label->setText(text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmLang::frmLang(Session& session, ShellService& shell, QWidget* parent)
    : QDialog(parent), m_session(session), m_shell(shell)
{
    setObjectName(QStringLiteral("frmLang"));
    setModal(true);
    m_germanFlag.load(kGermanFlag);
    m_noFlag.load(kNoFlag);
    buildControls();
    Form_Load();
}

void frmLang::buildControls()
{
    setWindowTitle(QStringLiteral("Sprache auswählen"));
    setFont(Fonts::MsSansSerif(8.25));
    setFixedSize(TwipsGeometry::ToPixels(0, 0, kClientWidth, kClientHeight).size());

    glbLang = Make<GridListbox>(this, "glbLang", 120, 120, 4335, 4575);
    glbLang->setFont(Fonts::MsSansSerif(9.75));
    glbLang->setSorted(true);
    glbLang->setNoHeader(false);
    glbLang->setCaption(QStringLiteral("Vorhandene Sprachen"));

    fraMetaData = Make<QGroupBox>(this, "fraMetaData", 120, 4800, 4335, 2295);
    fraMetaData->setTitle(QStringLiteral("Aktuelle Sprache"));
    imgCurrentLang = Make<QLabel>(fraMetaData, "imgCurrentLang", 120, 360, 240, 240);
    imgCurrentLang->setAlignment(Qt::AlignCenter);
    lblCurrentLang = MakeLabel(fraMetaData, "lblCurrentLang", 480, 360, 3735);
    lblVersionCaption = MakeLabel(fraMetaData, "lblVersionCaption", 120, 840, 1035, "Version:");
    lblVersion = MakeLabel(fraMetaData, "lblVersion", 1200, 840, 3015);
    lblAuthorCaption = MakeLabel(fraMetaData, "lblAuthorCaption", 120, 1200, 1035, "Autor:");
    lblAuthor = MakeLabel(fraMetaData, "lblAuthor", 1200, 1200, 3015);
    lblEMailLabel = MakeLabel(fraMetaData, "lblEMailLabel", 120, 1560, 1035, "eMail:");
    lblEMail = Make<LinkLabel>(fraMetaData, "lblEMail", 1200, 1560, 3015, 240);
    lblEMail->setTextFormat(Qt::PlainText);
    lblEMail->setTargetPrefix(QStringLiteral("mailto:"));
    lblWebSiteLabel = MakeLabel(fraMetaData, "lblWebSiteLabel", 120, 1890, 1035, "WebSite:");
    lblWebSite = Make<LinkLabel>(fraMetaData, "lblWebSite", 1200, 1890, 3015, 240);
    lblWebSite->setTextFormat(Qt::PlainText);
    // Language files give their web address without the scheme.
    lblWebSite->setTargetPrefix(QStringLiteral("http://"));

    btnSelect = Make<QPushButton>(this, "btnSelect", 2040, 7200, 1095, 375);
    btnSelect->setText(QStringLiteral("A&uswählen"));
    btnSelect->setDefault(true);
    btnAbort = Make<QPushButton>(this, "btnAbort", 3360, 7200, 1095, 375);
    btnAbort->setText(QStringLiteral("&Abbrechen"));
    btnAbort->setAutoDefault(false);

    connect(glbLang, &GridListbox::RowClick, this, &frmLang::glbLang_RowClick);
    connect(glbLang, &GridListbox::DblClick, this, &frmLang::btnSelect_Click);
    connect(btnSelect, &QPushButton::clicked, this, &frmLang::btnSelect_Click);
    connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
    connect(lblEMail, &LinkLabel::clicked, this, [this] { lblEMail->open(m_shell); });
    connect(lblWebSite, &LinkLabel::clicked, this, [this] { lblWebSite->open(m_shell); });
}

void frmLang::Form_Load()
{
    using namespace LanguageCatalogue;
    const LanguageState& state = m_session.language;

    m_links.HyperLinkWork(this);
    m_links.CreateHyperlink(this, lblEMail, Hyperlink::NormalColor, Hyperlink::HoverColor);
    m_links.CreateHyperlink(this, lblWebSite, Hyperlink::NormalColor, Hyperlink::HoverColor);

    m_entries = EnumFoldersEx(state.LanguageFolder, false);
    glbLang->AddItem(QStringLiteral(" Deutsch"), &m_germanFlag, GermanTag());
    for (const Row& row : FolderRows(state.LanguageFolder, m_entries)) {
        QPixmap flag;
        if (!flag.load(FileSystem::FindFile(row.flagPath)))
            flag = m_noFlag;
        glbLang->AddItem(row.text, &flag, row.tag);
    }

    const QString stem = state.LanguageStem;
    ShowDetails(FromFile(state.LanguageFile,
                         state.LanguageFolder + stem + u'/' + stem + QStringLiteral(".bmp")));

    for (int i = 1; i <= glbLang->ListCount(); ++i) {
        if (TrimBlanks(glbLang->Rows(i).Text()) == state.LanguageName)
            glbLang->Rows(i).setSelected(true);
    }

    if (!LOCAL::IsGerman(state)) {
        const QString section = QStringLiteral("frmLang");
        const auto text = [&](const char* key, const char* english) {
            return LOCAL::Text(state, section, QString::fromLatin1(key), QString::fromLatin1(english));
        };
        setWindowTitle(text("caption", "Choose language"));
        glbLang->setCaption(text("availablelangs", "Available languages"));
        fraMetaData->setTitle(text("currentlang", "Current language"));
        lblAuthorCaption->setText(text("author", "Author"));
        lblEMailLabel->setText(text("email", "eMail"));
        lblWebSiteLabel->setText(text("website", "Website"));
        btnSelect->setText(text("buttonselect", "Select"));
        btnAbort->setText(text("buttoncancel", "Cancel"));
    } else {
        ShowDetails(German(m_session.VersionText()));
    }
}

void frmLang::ShowDetails(const LanguageCatalogue::Details& details)
{
    lblCurrentLang->setText(details.name);
    lblVersion->setText(details.version);
    lblAuthor->setText(details.author);
    lblWebSite->setText(details.website);
    lblEMail->setText(details.email);

    QPixmap flag;
    QString shown = kGermanFlag;
    if (details.flagPath.isEmpty()) {
        flag = m_germanFlag;
    } else if (const QString found = FileSystem::FindFile(details.flagPath); flag.load(found)) {
        shown = found;
    } else {
        flag = m_noFlag;
        shown = QStringLiteral("fallback");
    }
    const QSize box = imgCurrentLang->size();
    if (flag.width() > box.width() || flag.height() > box.height())
        flag = flag.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgCurrentLang->setPixmap(flag);
    imgCurrentLang->setProperty("picturePath", shown);
}

void frmLang::glbLang_RowClick(int row)
{
    const QString tag = glbLang->Rows(row).Tag();
    if (tag == LanguageCatalogue::GermanTag())
        ShowDetails(LanguageCatalogue::German(m_session.VersionText()));
    else
        ShowDetails(LanguageCatalogue::FromFile(tag, LanguageCatalogue::FlagOfTag(tag)));
}

void frmLang::btnSelect_Click()
{
    const int index = glbLang->ListIndex();
    if (index == 0)
        return;   // nothing chosen yet: the dialog stays
    LanguageChoice choice(m_session.ProgramFolder, m_session.SettingsFile, m_session.userConfig);
    LanguageCatalogue::Confirm(m_session.language, glbLang->Rows(index).Tag(), choice);
    m_chosen = true;
    accept();
}

bool frmLang::selectRowByStem(const QString& stem)
{
    for (int i = 1; i <= glbLang->ListCount(); ++i) {
        const QString tag = glbLang->Rows(i).Tag();
        const bool match = tag == LanguageCatalogue::GermanTag()
            ? stem == QLatin1String("Deutsch")
            : FileSystem::GetFileStem(tag) == stem;
        if (match) {
            glbLang->Rows(i).setSelected(true);
            glbLang_RowClick(i);
            return true;
        }
    }
    return false;
}

void frmLang::pressSelect() { btnSelect->click(); }
void frmLang::cancel() { btnAbort->click(); }
