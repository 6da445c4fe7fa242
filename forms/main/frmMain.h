#pragma once
// The main window: map, markers, menus. It assembles and wires; the display state and its
// rules live in MainDisplay, the menu tree in MenuTable.
#include "modules/display/MainDisplay.h"
#include "modules/installation/Installation.h"
#include "modules/progress/FoundDisplay.h"
#include "forms/main/MarkerLayer.h"

#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <memory>

class QAction;
class QMenu;
class QComboBox;
class QPushButton;
class QLabel;
class MapView;
class clsToolTipDeluxe;
class ResultPanel;
class ResultSource;
class Session;
class ProgressStore;
struct MapSource;
struct PrintPage;
struct MenuEntry;
enum class MenuCommand;
struct Services;

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // The window reads and changes the session; it and the services must outlive the window.
    frmMain(Session& session, Services& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: creation steps, then loading steps. Load returns false when a file is
    // missing (the message has been shown and the program must end).
    void Create();
    bool Load();

    // Public operations
    void Change(const QString& picture, const QString& dataFile, const QString& category);
    void ChangeMulti(const QString& picture, const QString& dataFile, const QString& category,
                     const QString& caption, bool hideLabels);
    void ClearUI();
    void InfoMulti(const QString& name);
    qint32 ResampleX(qint32 x) const { return m_display.ResampleX(x); }
    qint32 ResampleY(qint32 y) const { return m_display.ResampleY(y); }
    void FileNotFound(const QString& path);
    void Translate_UI();
    void Translate_UI_DE();
    // Sets every menu entry to its German caption (the language dialog, before Translate_UI_DE).
    void ApplyGermanCaptions();
    void CacheTranslationTable();
    int ShellExec(const QString& target);
    // Puts the start image back into the map area.
    void RestoreStartImage();

    Session& session() const { return m_session; }
    // The platform services: shell, sound, printers, messages, dialogs.
    Services& services() const { return m_services; }

    // The display model; after changing it directly, call syncDisplay().
    MainDisplay& display() { return m_display; }
    const MainDisplay& display() const { return m_display; }
    void syncDisplay();

    // Public paths
    const Installation& installation() const { return m_installation; }
    const std::array<MapFiles, Installation::MapCount>& maps() const { return m_installation.maps(); }
    QString InfoFile;

    // Menu entries by their table name (mnuFile, miCaldoraCaves, ...); null if unknown.
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    // The menu entries in table order (for the dump and translations).
    const QList<QAction*>& menuActions() const { return m_actions; }

    // The client area below the menu bar: map, markers, labels and controls.
    QWidget* mapArea() const;
    // Renders the client area as it is on screen (snapshots).
    QImage renderMapArea() const;
    // The client area as it is on screen, for a printer: the map from its file at the
    // printer's resolution, the names as text.
    PrintPage printPage() const;
    // The map picture with every marker and name on it.
    MapView* mapView() const { return m_mapView; }

    // The balloon tooltip object created at start-up (null before Load).
    clsToolTipDeluxe* toolTip() const { return m_toolTip; }

    // The language dialog condition of creation step 10 (for the dump).
    bool startupLanguageDialog() const { return m_startupLanguageDialog; }

    // Switches to another installation as if the program started on it. A folder that is not
    // a complete installation gets the missing-file message and changes nothing.
    bool OpenInstallation(const QString& folder);
    // The folder that the next mxOpenInstallation takes instead of asking (batch mode).
    void answerInstallationFolder(const QString& folder) { m_answerFolder = folder; }
    // A person's run: the window takes its last size, place and state from the user's
    // configuration and keeps them there (unless restoreWindow is false), and every
    // installation that opens is remembered as the one opened last.
    void rememberForUser(bool restoreWindow);
    // The result list beside the map; null until mxFindAll first opens it.
    ResultPanel* resultPanel() const { return m_results; }

    // Ends the program after a fatal message (missing file, broken link).
    void EndProgram();
    bool ended() const { return m_ended; }

    // What a person does with the mouse on a marker or name of the map, and on the info
    // button; the map view calls them for the pointer, the batch actions for their names.
    // False when the control is not shown.
    bool hover(const LayerHit& control);
    bool doubleClick(const LayerHit& control);
    bool hoverInfoButton();
    bool clickInfoButton();
    // Right mouse button on imgMap at a pixel position; returns the popped-up menu's name.
    QString rightClick(const QPoint& pixel);
    // Last popup menu name shown ("" if none).
    QString lastPopupMenu() const { return m_lastPopup; }
    // Resizes the map area to pixels (runs the resize handler).
    void resizeMapArea(int widthPixels, int heightPixels);
    // Names that would cover others wait for the pointer; remembered for the user.
    void setDeclutter(bool on);

    // Found progress (frmMainProgress.cpp). The store opens with the first display that
    // needs it; a problem opening it is reported then.
    ProgressStore& progress();
    bool isFound(const EntityId& entity);
    enum class MarkerChoice { Found, NotFound, Information };
    // A right click on a marker, its name or the selection marker: the marker menu. False
    // when the control is not shown (or is the heading, which has no menu).
    bool rightClickControl(const LayerHit& control, const QPoint& pixel);
    // What the marker menu's entries do, for the pointer and the batch actions alike.
    bool chooseOnMarker(const LayerHit& control, MarkerChoice choice);
    // Marks an entity found or not; false (and a message) when the store refused.
    bool markEntity(const EntityId& entity, bool found);
    void setHideFound(bool hide);
    bool hideFound() const { return m_hideFound; }
    FoundDisplay::Count shownCount() const { return m_shownCount; }
    // What the profiles dialog does, for the batch actions; a failed file gets a message.
    bool switchProfile(const QString& name);
    bool exportProgress(const QString& file);
    bool importProgress(const QString& file, bool replace);

signals:
    void mapAreaResized();
    // A mark was made or taken back, or the profile changed: other views refresh.
    void progressChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildMapArea();
    void runMenuEntry(const MenuEntry& entry, QAction* action);
    void runCommand(const MenuEntry& entry);
    void runViewCommand(MenuCommand command);
    void restoreViewChoices();
    void onListActivated(int index);
    void onResize();
    bool isShown(const LayerHit& control) const;
    void hoverMarker(const LayerHit& marker, const QString& shownName);
    void hoverLabel(LabelState& label);
    void setBalloonLook(const QString& title, int icon);
    // The balloon of a marker goes when the marker moves or goes.
    void followBalloon();
    void showPopup(const QString& menuName, const QPoint& globalPos);
    QString describe(const QString& shownName) const;
    void applyResize();
    // The dialogs and what their results make the window do.
    QList<MapSource> mapSources() const;
    void showLanguageDialog();
    void showFind();
    void findAgain();
    void showSearchHit(int index);
    void showPerks(const MapFiles& map);
    void chooseInstallation();
    QString missingFileMessage(const QString& path, QString* caption) const;
    void saveForUser();
    // The result list and what its rows make the map show (frmMainResults.cpp).
    void showResults();
    void showResult(int entity);
    void showResultsOnMap(const QList<int>& entities);
    void replayResultsOnMap();
    void applyProgress();
    // syncDisplay() without asking the progress store again: what the pointer changes (a name
    // shown while its marker is pointed at, a tooltip) marks nothing found.
    void syncWidgets();
    void reportProgressProblem(const QString& text);
    void showProfiles();
    void showHuntList();

    Session& m_session;
    Services& m_services;
    MainDisplay m_display;
    Installation m_installation;
    QList<QAction*> m_actions;
    QHash<QString, QAction*> m_actionByName;
    QHash<QString, QMenu*> m_menuByName;
    QHash<QAction*, const MenuEntry*> m_entryByAction;

    MapView* m_mapView = nullptr;
    MarkerLayer m_layer;
    LayerHit m_balloonHit;  // the marker the balloon is registered for
    QRect m_balloonRect;    // where it was then, in the map view's pixels
    QComboBox* m_cboItems = nullptr;
    QPushButton* m_btnInfo = nullptr;
    clsToolTipDeluxe* m_toolTip = nullptr;
    QPixmap m_startImage;
    QString m_lastPopup;
    bool m_startupLanguageDialog = false;
    bool m_syncing = false;
    bool m_ended = false;
    bool m_rememberForUser = false;
    bool m_rememberWindow = false;
    QString m_answerFolder;
    std::unique_ptr<ResultSource> m_resultSource;
    ResultPanel* m_results = nullptr;
    QList<int> m_resultsOnMap;           // the entities "show these" put on the map
    LastDisplayRecord m_resultsDisplay;  // and the display they made, to show them again
    bool m_hideFound = false;
    LayerHit m_markerTarget;          // the control the marker menu was opened on
    FoundDisplay::Hidden m_hiddenFound;
    FoundDisplay::Count m_shownCount;
};
