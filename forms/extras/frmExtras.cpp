#include "forms/extras/frmExtras.h"

#include "controls/Fonts.h"
#include "controls/GridListbox.h"
#include "controls/TwipsGeometry.h"
#include "modules/extras/ExtrasTable.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int kClientWidth = 4335;
constexpr int kClientHeight = 5145;

using TwipsGeometry::Make;

} // namespace

frmExtras::frmExtras(const Session& session, ShellService& shell, QWidget* parent)
    : QDialog(parent), m_session(session), m_shell(shell)
{
    setObjectName(QStringLiteral("frmExtras"));
    setModal(true);
    buildControls();
    Form_Load();
}

void frmExtras::buildControls()
{
    setWindowTitle(QStringLiteral("Extras"));
    setFont(Fonts::MsSansSerif(8.25));
    setFixedSize(TwipsGeometry::ToPixels(0, 0, kClientWidth, kClientHeight).size());

    glbExtras = Make<GridListbox>(this, "glbExtras", 0, 0, 4335, 4575);
    glbExtras->setFont(Fonts::MsSansSerif(9.75));
    glbExtras->setSorted(true);
    glbExtras->setCaption(QStringLiteral("Vorhandene Extras"));

    btnSelect = Make<QPushButton>(this, "btnSelect", 1800, 4680, 1095, 375);
    btnSelect->setText(QStringLiteral("A&uswählen"));
    btnSelect->setDefault(true);
    btnAbort = Make<QPushButton>(this, "btnAbort", 3120, 4680, 1095, 375);
    btnAbort->setText(QStringLiteral("&Abbrechen"));
    btnAbort->setAutoDefault(false);

    // The holder of the row picture is part of the design but never shown.
    imgList = Make<QLabel>(this, "imgList", 120, 4680, 240, 240);
    m_documentPicture = style()->standardIcon(QStyle::SP_FileIcon).pixmap(16, 16);
    imgList->setPixmap(m_documentPicture);
    imgList->hide();

    connect(btnSelect, &QPushButton::clicked, this, &frmExtras::btnSelect_Click);
    connect(glbExtras, &GridListbox::DblClick, this, &frmExtras::btnSelect_Click);
    connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
}

void frmExtras::Form_Load()
{
    const LanguageState& language = m_session.language;
    if (!LOCAL::IsGerman(language)) {
        const QString section = QStringLiteral("frmExtras");
        const auto text = [&](const QString& key, const QString& english) {
            return LOCAL::Text(language, section, key, english);
        };
        setWindowTitle(text(QStringLiteral("caption"), QStringLiteral("Extras")));
        btnSelect->setText(text(QStringLiteral("btnSelect"), QStringLiteral("Select")));
        btnAbort->setText(text(QStringLiteral("btnCancel"), QStringLiteral("Cancel")));
    }
    for (const ExtrasTable::Row& row : ExtrasTable::Rows(language))
        Add(row.text, row.tag);
}

void frmExtras::Add(const QString& text, const QString& fileName)
{
    glbExtras->AddItem(text, &m_documentPicture, fileName);
}

void frmExtras::btnSelect_Click()
{
    const int index = glbExtras->ListIndex();
    if (index == 0)
        return;
    ExtrasTable::Open(m_session, m_shell, glbExtras->Rows(index).Tag());
}

bool frmExtras::selectRowByTag(const QString& fileName)
{
    for (int i = 1; i <= glbExtras->ListCount(); ++i) {
        if (glbExtras->Rows(i).Tag() == fileName) {
            glbExtras->setText(glbExtras->Rows(i).Text());
            return true;
        }
    }
    return false;
}

bool frmExtras::SelectDocument(const QString& fileName)
{
    if (!selectRowByTag(fileName))
        return false;
    btnSelect->click();
    return true;
}

void frmExtras::cancel() { btnAbort->click(); }
