#include "forms/find/frmFind.h"

#include "controls/Fonts.h"
#include "platform/Services.h"
#include "controls/TwipsGeometry.h"
#include "modules/search/SearchCache.h"
#include "modules/search/SearchDisplay.h"
#include "modules/search/SearchTexts.h"
#include "forms/main/frmMain.h"
#include "modules/LOCAL.h"

#include <QAction>
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

void EnableAction(frmMain& main, const char* name)
{
    if (QAction* action = main.action(QString::fromLatin1(name)))
        action->setEnabled(true);
}

} // namespace

frmFind::frmFind(frmMain& main) : QDialog(&main), m_main(main)
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
    connect(rbNamesOnly, &QRadioButton::toggled, this, [](bool on) {
        if (on)
            SearchState::instance().SearchMode = 0;
    });
    connect(rbDescsOnly, &QRadioButton::toggled, this, [](bool on) {
        if (on)
            SearchState::instance().SearchMode = 1;
    });
    connect(btnFind, &QPushButton::clicked, this, &frmFind::btnFind_Click);
    connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
}

void frmFind::Form_Load()
{
    const SearchState& search = SearchState::instance();
    if (txtFind->text().trimmed().isEmpty())
        btnFind->setEnabled(false);
    txtFind->setText(search.SearchTerm);
    if (!txtFind->text().isEmpty())
        txtFind->selectAll();
    (search.SearchMode == 1 ? rbDescsOnly : rbNamesOnly)->setChecked(true);

    if (!LOCAL::IsGerman())
        ApplyLanguageTexts();
    FitTexts();
}

void frmFind::ApplyLanguageTexts()
{
    const auto text = [](const char* key, const char* english) {
        return LOCAL::Text(QStringLiteral("frmFind"), QString::fromLatin1(key),
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
    SearchState& search = SearchState::instance();
    if (!search.SearchCache.isEmpty())
        return true;
    // Reading every map takes a moment; the window is blocked meanwhile.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::optional<LinkError> error;
    for (const MapFiles& map : m_main.maps()) {
        error = Search::CacheEntities(map.dataFile, map.picture, m_main.InfoFile);
        if (error)
            break;
    }
    QGuiApplication::restoreOverrideCursor();
    if (!error)
        return true;

    // Whatever was read before the broken link is no search cache.
    search.SearchCache.clear();
    m_main.services().messages->show(this, MessageService::Icon::Critical, LinkError::caption(),
                                     error->text());
    reject();
    // The program ends right after the message.
    m_main.EndProgram();
    return false;
}

void frmFind::btnFind_Click()
{
    SearchState& search = SearchState::instance();
    btnFind->setEnabled(false);
    EnableAction(m_main, "miFindAgain");
    search.SearchTerm = txtFind->text();
    if (!EnsureCache())
        return;

    const int mode = rbNamesOnly->isChecked() ? 0 : rbDescsOnly->isChecked() ? 1 : -1;
    const int hit = mode < 0 ? -1
                             : Search::FindMatch(search, 0, search.SearchTerm, mode,
                                                 Search::NameForm::LocalizeAgain);
    if (hit >= 0) {
        Display(m_main, hit);
        btnFind->setEnabled(true);
        search.LastFoundIndex = hit;
        accept();
        return;
    }
    hide();
    ShowNotFound(m_main);
    accept();
}

void frmFind::Display(frmMain& main, int index)
{
    const SearchState& search = SearchState::instance();
    if (index < 0 || index >= search.SearchCache.size())
        return;
    SearchDisplay::Show(main.display(), search.SearchCache[index], search.SearchTerm);
    main.syncDisplay();
    EnableAction(main, "miPrint");
}

void frmFind::ShowNotFound(frmMain& main)
{
    const QString& term = SearchState::instance().SearchTerm;
    main.services().messages->show(&main, MessageService::Icon::Information,
                                   SearchTexts::NotFoundCaption(),
                     SearchTexts::NotFoundText(term));
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
