#include "forms/about/frmAbout.h"

#include "controls/Fonts.h"
#include "controls/Hyperlink.h"
#include "controls/TwipsGeometry.h"
#include "modules/about/AboutTexts.h"
#include "modules/Contact.h"
#include "modules/Globals.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/StringOps.h"
#include "modules/Session.h"
#include "platform/Services.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 6300;
constexpr int kClientHeight = 9375;
const QString kBanner = QStringLiteral(":/about/banner.png");
const QString kYes = QStringLiteral("yes");

using TwipsGeometry::Make;

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, int width, int height,
                  const QString& text)
{
    auto* label = Make<QLabel>(parent, name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    return label;
}

} // namespace

frmAbout::frmAbout(const Session& session, SoundService& sound, ShellService& shell,
                   QWidget* parent)
    : QDialog(parent), m_sound(sound), m_shell(shell)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    buildControls();
    Form_Load(session);
}

frmAbout::~frmAbout() { Form_Unload(); }

void frmAbout::buildControls()
{
    setWindowTitle(QStringLiteral("Über..."));
    setFont(Fonts::MsSansSerif(8.25));
    setFixedSize(TwipsGeometry::ToPixels(0, 0, kClientWidth, kClientHeight).size());

    // A sunken picture box: its 2-pixel border leaves exactly the banner's 400 x 151.
    picBanner = Make<QLabel>(this, "picBanner", 120, 120, 6060, 2325);
    picBanner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picBanner->setLineWidth(2);
    picBanner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPixmap banner;
    if (banner.load(kBanner)) {
        picBanner->setPixmap(banner);
        picBanner->setProperty("picturePath", kBanner);
    } else {
        picBanner->setProperty("picturePath", QString());
    }

    lblTitle = MakeLabel(this, "lblTitle", 240, 2685, 5910, 360, QStringLiteral("{ProgrammTitel}"));
    lblTitle->setFont(Fonts::MsSansSerif(12, true));
    lblVersion = MakeLabel(this, "lblVersion", 225, 3120, 5910, 240, QStringLiteral("{Version}"));
    lblCopyright = MakeLabel(this, "lblCopyright", 225, 3465, 5910, 240, QStringLiteral("{Copyright}"));
    lblDescription = MakeLabel(this, "lblDescription", 225, 3840, 5925, 540,
                               QStringLiteral("{Beschreibung}"));
    lblDescription->setWordWrap(true);

    lblEMailLabel = MakeLabel(this, "lblEMailLabel", 225, 4485, 495, 240, QStringLiteral("eMail:"));
    lblEMail = Make<LinkLabel>(this, "lblEMail", 1095, 4485, 5100, 240);
    lblEMail->setTextFormat(Qt::PlainText);
    lblEMail->setText(Contact::EMail());
    lblEMail->setTargetPrefix(QStringLiteral("mailto:"));
    lblWebSiteLabel = MakeLabel(this, "lblWebSiteLabel", 240, 4815, 780, 240, QStringLiteral("WebSite:"));
    lblWebSite = Make<LinkLabel>(this, "lblWebSite", 1095, 4815, 5100, 240);
    lblWebSite->setTextFormat(Qt::PlainText);
    lblWebSite->setText(Contact::WebSite());

    LineGray = Make<QFrame>(this, "LineGray", 240, 5160, 5820, 15);
    LineGray->setStyleSheet(QStringLiteral("background-color: #808080;"));
    linWhite = Make<QFrame>(this, "linWhite", 240, 5175, 5820, 15);
    linWhite->setStyleSheet(QStringLiteral("background-color: #ffffff;"));

    lblDisclaimer = MakeLabel(this, "lblDisclaimer", 240, 5280, 5820, 945, AboutTexts::Disclaimer());
    lblSources = MakeLabel(this, "lblSources", 240, 6240, 5820, 1665, AboutTexts::Sources());
    lblThanksTo = MakeLabel(this, "lblThanksTo", 240, 7800, 5820, 615, AboutTexts::ThanksTo());
    for (QLabel* label : {lblDisclaimer, lblSources, lblThanksTo})
        label->setWordWrap(true);

    btnOK = Make<QPushButton>(this, "btnOK", 4800, 8880, 1215, 375);
    btnOK->setText(QStringLiteral("&OK"));
    btnOK->setDefault(true);   // Enter; Escape closes every dialog as Cancel would

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblEMail, &LinkLabel::clicked, this, [this] { lblEMail->open(m_shell); });
    connect(lblWebSite, &LinkLabel::clicked, this, [this] { lblWebSite->open(m_shell); });
}

void frmAbout::Form_Load(const Session& session)
{
    const QString playMusic = IniOps::ReadIni(session.SettingsFile, QStringLiteral("special"),
                                              QStringLiteral("PlayMusic"), kYes);
    m_playMusicSetting = StringOps::TrimSpaces(playMusic).toLower();
    if (m_playMusicSetting == kYes)
        m_sound.play(session.InProgramFolder(QStringLiteral("karvenna.wav")),
                     SoundService::SND_ASYNC | SoundService::SND_LOOP);

    m_links.HyperLinkWork(this);
    m_links.CreateHyperlink(this, lblEMail, Hyperlink::NormalColor, Hyperlink::HoverColor);
    m_links.CreateHyperlink(this, lblWebSite, Hyperlink::NormalColor, Hyperlink::HoverColor);

    const QString title = Globals::ProductTitle();
    QString caption = QStringLiteral("Über ") + title;
    lblTitle->setText(title);
    QString version = QStringLiteral("Version: ") + session.VersionText();
    caption += u' ' + session.EditionSuffix;
    version += u' ' + session.EditionSuffix;
    lblVersion->setText(version);
    lblCopyright->setText(Globals::LegalNotice());
    lblDescription->setText(Globals::FileDescription());

    if (!LOCAL::IsGerman(session.language)) {
        const QString section = QStringLiteral("frmAbout");
        const auto text = [&](const char* key) {
            return LOCAL::Text(session.language, section, QString::fromLatin1(key), QString());
        };
        caption = text("caption") + u' ' + title;
        lblDescription->setText(text("description"));
        lblEMailLabel->setText(text("email"));
        lblWebSiteLabel->setText(text("website"));
        lblDisclaimer->setText(text("disclaimer"));
        lblSources->setText(text("sources"));
        lblThanksTo->setText(text("thanksto"));
    }
    setWindowTitle(caption);
}

void frmAbout::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmAbout::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_playMusicSetting == kYes)
        m_sound.play(QString(), SoundService::SND_ASYNC);
}

void frmAbout::pressOK() { btnOK->click(); }
