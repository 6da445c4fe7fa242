#include "forms/results/ResultPanel.h"

#include "modules/LOCAL.h"
#include "modules/display/MainDisplay.h"
#include "modules/menu/MenuTable.h"
#include "modules/search/ResultSource.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

// The rows of the last search; a hundred thousand of them cost nothing until they are seen.
class ResultModel : public QAbstractTableModel
{
public:
    enum Column { Name, Map, Categories, Found, ColumnCount };

    ResultModel(const ResultPanel& panel, ResultPanel::MapTitle mapTitle)
        : m_panel(panel), m_mapTitle(std::move(mapTitle))
    {
    }

    void setRows(std::vector<ResultRow> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    const std::vector<ResultRow>& rows() const { return m_rows; }
    void setHeaders(QStringList headers)
    {
        m_headers = std::move(headers);
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return m_headers.value(section);
        return {};
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || size_t(index.row()) >= m_rows.size())
            return {};
        const ResultIndex& found = m_panel.source().index();
        const int e = m_rows[size_t(index.row())].entity;
        if (role == Qt::ToolTipRole && index.column() == Name)
            return found.record(e).description.toString();
        // The column is narrow; the whole list shows when the pointer rests on it.
        if (role == Qt::ToolTipRole && index.column() == Categories)
            return m_panel.categoryCaptions(e).join(QStringLiteral(", "));
        if (role == Qt::TextAlignmentRole && index.column() == Found)
            return int(Qt::AlignCenter);
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case Name: return found.shownName(e);
        case Map: return m_mapTitle(found.mapId(e));
        case Categories: return m_panel.categoryCaptions(e).join(QStringLiteral(", "));
        case Found: return m_panel.isFound(e) ? QStringLiteral("\u2713") : QString();
        }
        return {};
    }

private:
    const ResultPanel& m_panel;
    ResultPanel::MapTitle m_mapTitle;
    std::vector<ResultRow> m_rows;
    QStringList m_headers;
};

ResultPanel::ResultPanel(ResultSource& source, const LanguageState& language, FoundTest found,
                         MapTitle mapTitle, QWidget* parent)
    : QDockWidget(parent), m_source(source), m_language(language), m_found(std::move(found))
{
    setObjectName(QStringLiteral("mxResults"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);

    m_term = new QLineEdit(body);
    m_term->setObjectName(QStringLiteral("mxResultsTerm"));
    m_term->setClearButtonEnabled(true);
    m_term->installEventFilter(this);
    layout->addWidget(m_term);

    m_model = new ResultModel(*this, std::move(mapTitle));
    m_model->setParent(this);
    m_list = new QTreeView(body);
    m_list->setObjectName(QStringLiteral("mxResultsList"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(ResultModel::Name, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(ResultModel::Map, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(ResultModel::Categories, QHeaderView::Interactive);
    m_list->header()->resizeSection(ResultModel::Categories, 120);
    m_list->header()->setSectionResizeMode(ResultModel::Found, QHeaderView::ResizeToContents);
    layout->addWidget(m_list, 1);

    auto* bottom = new QHBoxLayout;
    m_count = new QLabel(body);
    m_count->setObjectName(QStringLiteral("mxResultsCount"));
    bottom->addWidget(m_count, 1);
    m_showAll = new QPushButton(body);
    m_showAll->setObjectName(QStringLiteral("mxResultsShowAll"));
    m_showAll->setEnabled(false);
    bottom->addWidget(m_showAll);
    layout->addLayout(bottom);
    setWidget(body);

    connect(m_term, &QLineEdit::textChanged, this, [this] { search(); });
    connect(m_list, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        activateRow(index.row());
    });
    connect(m_showAll, &QPushButton::clicked, this, [this] { showAll(); });
    retranslate();
}

ResultPanel::~ResultPanel() = default;

QString ResultPanel::text(const char* key, const char* german, const char* english) const
{
    if (LOCAL::IsGerman(m_language))
        return QString::fromUtf8(german);
    return LOCAL::Text(m_language, QStringLiteral("mxResults"), QString::fromLatin1(key),
                       QString::fromUtf8(english));
}

void ResultPanel::retranslate()
{
    setWindowTitle(text("caption", "Ergebnisliste", "Result list"));
    m_term->setPlaceholderText(text("placeholder", "Name oder Beschreibung", "Name or description"));
    m_showAll->setText(text("showall", "Diese auf der Karte zeigen", "Show these on the map"));
    m_model->setHeaders({text("name", "Name", "Name"), text("map", "Karte", "Map"),
                         text("categories", "Kategorien", "Categories"),
                         text("found", "Gefunden", "Found")});
    refresh();
}

void ResultPanel::refresh()
{
    search();
}

void ResultPanel::setTerm(const QString& term)
{
    if (m_term->text() == term)
        search();
    else
        m_term->setText(term);
}

QString ResultPanel::term() const { return m_term->text(); }

const std::vector<ResultRow>& ResultPanel::rows() const { return m_model->rows(); }

QStringList ResultPanel::categoryCaptions(int entity) const
{
    // A player knows the categories by their menu entries, not by the data file's sections.
    const ResultIndex& index = m_source.index();
    const QString map = index.mapId(entity);
    QStringList captions;
    for (const QString& category : index.categories(entity)) {
        const MenuEntry* entry = MenuTable::CategoryEntry(map, category);
        const QString caption = entry ? MenuTable::PlainCaption(*entry, m_language) : category;
        if (!captions.contains(caption))
            captions.append(caption);
    }
    return captions;
}

bool ResultPanel::isFound(int entity) const
{
    const ResultIndex& index = m_source.index();
    return m_found && m_found(EntityId{index.mapId(entity), index.germanName(entity)});
}

void ResultPanel::focusTerm()
{
    m_term->setFocus();
    m_term->selectAll();
}

void ResultPanel::search()
{
    if (const std::optional<LinkError> error = m_source.refresh()) {
        m_model->setRows({});
        emit linkBroken(*error);
        return;
    }
    const QString term = m_term->text();
    m_model->setRows(term.trimmed().isEmpty() ? std::vector<ResultRow>()
                                              : m_source.index().match(term));
    const int count = int(m_model->rows().size());
    m_count->setText(term.trimmed().isEmpty()
                         ? QString()
                         : LOCAL::Expand(text("count", "%s Treffer", "%s results"),
                                         QString::number(count)));
    m_showAll->setEnabled(count > 0);
    if (count > 0)
        m_list->setCurrentIndex(m_model->index(0, 0));
}

bool ResultPanel::activateRow(int row)
{
    if (row < 0 || size_t(row) >= rows().size())
        return false;
    m_list->setCurrentIndex(m_model->index(row, 0));
    emit entityActivated(rows()[size_t(row)].entity);
    return true;
}

void ResultPanel::showAll()
{
    if (rows().empty())
        return;
    // The map of the current row, or of the first.
    const ResultIndex& index = m_source.index();
    const int current = std::max(0, m_list->currentIndex().row());
    const QString map = index.mapId(rows()[size_t(std::min<size_t>(current, rows().size() - 1))].entity);
    QList<int> entities;
    for (const ResultRow& row : rows()) {
        if (index.mapId(row.entity) == map)
            entities.append(row.entity);
        if (entities.size() == kMarkerCount)
            break;
    }
    emit entitiesShown(entities);
}

bool ResultPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The field keeps the keyboard: arrows move through the list, Enter shows the current row.
    if (watched == m_term && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_list, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            activateRow(std::max(0, m_list->currentIndex().row()));
            return true;
        default:
            break;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}
