#include "forms/find/frmFind.h"

#include "controls/Fonts.h"
#include "platform/Services.h"
#include "controls/TwipsGeometry.h"
#include "modules/search/SearchCache.h"
#include "modules/search/SearchTexts.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

constexpr int kClientWidth = 6030;
constexpr int kClientHeight = 1935;

using TwipsGeometry::Make;

// The design widths were measured in MS Sans Serif; a wider platform font must not cut texts.
void WidenToText(QWidget* w)
{
    const int needed = w->sizeHint().width();
    if (needed > w->width())
        w->resize(needed, w->height());
}

} // namespace

frmFind::frmFind(Session& session, QList<MapSource> maps, QString infoFile, MessageService& messages,
                 QWidget* parent)
    : QDialog(parent), m_session(session), m_messages(messages), m_maps(std::move(maps)),
      m_infoFile(std::move(infoFile))
{
    setObjectName(QStringLiteral("frmFind"));
    setModal(true);
    buildControls();
    Form_Load();
}

void frmFind::buildControls()
{
    setWindowTitle(QStringLiteral("Suchen"));
    setFont(Fonts::MsSansSerif(8.25));
    setFixedSize(TwipsGeometry::ToPixels(0, 0, kClientWidth, kClientHeight).size());

    lblFind = Make<QLabel>(this, "lblFind", 120, 308, 1005, 195);
    lblFind->setText(QStringLiteral("Suchen nach:"));
    txtFind = Make<QLineEdit>(this, "txtFind", 1200, 270, 4695, 285);
    lblFind->setBuddy(txtFind);

    fraOptions = Make<QGroupBox>(this, "fraOptions", 120, 700, 4095, 1095);
    fraOptions->setTitle(QStringLiteral("Optionen"));
    rbNamesOnly = Make<QRadioButton>(fraOptions, "rbNamesOnly", 120, 360, 2175, 255);
    rbNamesOnly->setText(QStringLiteral("Suche in den &Namen"));
    rbDescsOnly = Make<QRadioButton>(fraOptions, "rbDescsOnly", 120, 720, 2535, 255);
    rbDescsOnly->setText(QStringLiteral("Suche in den &Beschreibungen"));

    btnFind = Make<QPushButton>(this, "btnFind", 4560, 810, 1335, 375);
    btnFind->setText(QStringLiteral("&Suchen"));
    btnFind->setDefault(true);
    btnAbort = Make<QPushButton>(this, "btnAbort", 4560, 1440, 1335, 375);
    btnAbort->setText(QStringLiteral("&Abbrechen"));

    connect(txtFind, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);
    // The mode changes at once, so a cancelled dialog still sets it for find again.
    connect(rbNamesOnly, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_session.search.SearchMode = 0;
    });
    connect(rbDescsOnly, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_session.search.SearchMode = 1;
    });
    connect(btnFind, &QPushButton::clicked, this, &frmFind::btnFind_Click);
    connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
}

void frmFind::Form_Load()
{
    const SearchState& search = m_session.search;
    if (txtFind->text().trimmed().isEmpty())
        btnFind->setEnabled(false);
    txtFind->setText(search.SearchTerm);
    if (!txtFind->text().isEmpty())
        txtFind->selectAll();
    (search.SearchMode == 1 ? rbDescsOnly : rbNamesOnly)->setChecked(true);

    if (!LOCAL::IsGerman(m_session.language))
        ApplyLanguageTexts();
    FitTexts();
}

void frmFind::ApplyLanguageTexts()
{
    const auto text = [this](const char* key, const char* english) {
        return LOCAL::Text(m_session.language, QStringLiteral("frmFind"), QString::fromLatin1(key),
                           QString::fromLatin1(english));
    };
    setWindowTitle(text("caption", "Find"));
    lblFind->setText(text("searchfor", "Search for:"));
    fraOptions->setTitle(text("options", "Options"));
    rbNamesOnly->setText(text("searchinnames", "Search in names"));
    rbDescsOnly->setText(text("searchindescriptions", "Search in descriptions"));
    btnFind->setText(text("buttonfind", "Find"));
    btnAbort->setText(text("buttoncancel", "Cancel"));
}

void frmFind::FitTexts()
{
    for (QWidget* w : {static_cast<QWidget*>(lblFind), static_cast<QWidget*>(rbNamesOnly),
                       static_cast<QWidget*>(rbDescsOnly)})
        WidenToText(w);
    // The text box keeps its right edge and starts after a widened label.
    const int gap = TwipsGeometry::ToPixels(0, 0, 75, 0).width();
    const int right = txtFind->geometry().right() + 1;
    const int left = std::clamp(lblFind->geometry().right() + 1 + gap, txtFind->x(),
                                right - TwipsGeometry::ToPixels(0, 0, 1200, 0).width());
    txtFind->setGeometry(left, txtFind->y(), right - left, txtFind->height());
}

void frmFind::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtFind->setFocus();
}

void frmFind::txtFind_Change()
{
    btnFind->setEnabled(!txtFind->text().trimmed().isEmpty());
}

bool frmFind::EnsureCache()
{
    SearchState& search = m_session.search;
    if (!search.SearchCache.isEmpty())
        return true;
    // Reading every map takes a moment; the window is blocked meanwhile.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QList<Search::MapFile> maps;
    for (const MapSource& map : std::as_const(m_maps))
        maps.append({map.dataFile, map.picture});
    const std::optional<LinkError> error = Search::CacheMaps(search, m_session.language, maps, m_infoFile);
    QGuiApplication::restoreOverrideCursor();
    if (!error)
        return true;

    // Whatever was read before the broken link is no search cache.
    search.SearchCache.clear();
    m_messages.show(this, MessageService::Icon::Critical, LinkError::caption(),
                                     error->text());
    reject();
    // The program ends right after the message.
    m_result.linkBroken = true;
    return false;
}

void frmFind::btnFind_Click()
{
    SearchState& search = m_session.search;
    btnFind->setEnabled(false);
    m_result.searched = true;
    search.SearchTerm = txtFind->text();
    if (!EnsureCache())
        return;

    const int mode = rbNamesOnly->isChecked() ? 0 : rbDescsOnly->isChecked() ? 1 : -1;
    const int hit = mode < 0 ? -1
                             : Search::FindMatch(m_session.language, search, 0, search.SearchTerm,
                                                 mode, Search::NameForm::LocalizeAgain);
    if (hit >= 0) {
        m_result.hit = hit;
        btnFind->setEnabled(true);
        search.LastFoundIndex = hit;
        accept();
        return;
    }
    hide();
    ShowNotFound(m_messages, parentWidget(), m_session.language, search.SearchTerm);
    accept();
}

void frmFind::ShowNotFound(MessageService& messages, QWidget* parent, const LanguageState& language,
                           const QString& term)
{
    messages.show(parent, MessageService::Icon::Information, SearchTexts::NotFoundCaption(language),
                  SearchTexts::NotFoundText(language, term));
}

void frmFind::chooseMode(Mode mode)
{
    (mode == Mode::Descriptions ? rbDescsOnly : rbNamesOnly)->click();
}

void frmFind::enterTerm(const QString& term) { txtFind->setText(term); }

bool frmFind::pressFind()
{
    if (!btnFind->isEnabled())
        return false;
    btnFind->click();
    return true;
}

void frmFind::cancel() { btnAbort->click(); }
