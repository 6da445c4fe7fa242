#pragma once
// The result list: a panel beside the map with a search field and every entity of every map
// that matches what is typed, updated at each key. It reports the rows a person activates;
// the window shows them.
#include "modules/EntityId.h"
#include "modules/search/ResultIndex.h"

#include <QDockWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class ResultModel;
class ResultSource;
struct LanguageState;

class ResultPanel : public QDockWidget
{
    Q_OBJECT

public:
    using FoundTest = std::function<bool(const EntityId&)>;
    using MapTitle = std::function<QString(const QString& mapId)>;

    // source and language must outlive the panel.
    ResultPanel(ResultSource& source, const LanguageState& language, FoundTest found,
                MapTitle mapTitle, QWidget* parent = nullptr);
    ~ResultPanel() override;

    // Texts of the current language, and the rows again (names follow the language).
    void retranslate();
    // Searches again: after the language or a found mark changed.
    void refresh();

    // What a person types into the field.
    void setTerm(const QString& term);
    QString term() const;
    const std::vector<ResultRow>& rows() const;
    bool isFound(int entity) const;
    // The categories that list an entity as the menus name them in the interface language;
    // a section that no menu entry shows keeps its name.
    QStringList categoryCaptions(int entity) const;
    ResultSource& source() const { return m_source; }
    // Activates row (0-based) as Enter does; false when there is no such row.
    bool activateRow(int row);
    // Gives the search field the keyboard.
    void focusTerm();

    QLineEdit* termField() const { return m_term; }
    QTreeView* list() const { return m_list; }
    QPushButton* showAllButton() const { return m_showAll; }

signals:
    // Show this entity on the map as a hit of the find dialog.
    void entityActivated(int entity);
    // Mark these entities of one map at once (at most 81, list order).
    void entitiesShown(const QList<int>& entities);
    // Reading the maps met a broken link: the window reports it and ends.
    void linkBroken(const LinkError& error);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void showAll();
    QString text(const char* key, const char* german, const char* english) const;

    ResultSource& m_source;
    const LanguageState& m_language;
    FoundTest m_found;
    QLineEdit* m_term = nullptr;
    QTreeView* m_list = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_showAll = nullptr;
    ResultModel* m_model = nullptr;
};
