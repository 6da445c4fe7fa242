#pragma once
// The main window's display state in twips, without a window: what Change, ChangeMulti,
// ClearUI, the list selection and the search display put where. frmMain draws it.
#include "modules/EntityId.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

struct LanguageState;

constexpr quint32 kMarkerRed = 192;        // RGB(192, 0, 0)
constexpr quint32 kMarkerGreen = 2263842;  // RGB(34, 139, 34), special entities
constexpr int kMarkerCount = 81;
constexpr int kMarkerSize = 165;

struct ControlState
{
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    int right() const { return left + width; }
};

// Where a marker's twips corner lies relative to its reference point: centred on it for a
// record of the map, its corner on it for a search hit.
enum class MarkerAnchor { Centre, Corner };

struct MarkerState : ControlState
{
    MarkerState() { width = height = kMarkerSize; }
    quint32 borderColor = kMarkerRed;
    QString desc;
    QString toolTip;
    // The entity shown and its record's pixel on the 1024 x 768 reference picture; left and
    // top are derived from them for the window's scale (MainDisplay::PlaceMarker).
    EntityId entity;
    QPoint reference;
    MarkerAnchor anchor = MarkerAnchor::Centre;
    bool found = false; // the player has marked the entity found (set by the window)
};

struct LabelState : ControlState
{
    QString caption;
    quint32 foreColor = kMarkerRed;
    QString toolTip;
    bool found = false; // beside a found entity's marker: drawn dimmed
};

struct ListState : ControlState
{
    QStringList items;
    int listIndex = -1;
    QString text() const { return listIndex >= 0 && listIndex < items.size() ? items[listIndex] : QString(); }
};

struct LastDisplayRecord
{
    QString picture, dataFile, category, caption;
    bool hideLabels = false;
    QString selectedName;
    bool operator==(const LastDisplayRecord&) const = default;
};

// Which label font a caption is measured in.
enum class LabelKind { Name, Heading };

class MainDisplay
{
public:
    // Without a language, names show as stored: the German keys.
    MainDisplay();
    explicit MainDisplay(LanguageState& language);

    // Autosized label width and height in twips for a caption (the window measures its font).
    std::function<int(const QString& caption, LabelKind kind)> measureWidth;
    std::function<int(LabelKind kind)> measureHeight;
    // Called whenever the map picture is (re)loaded; false when it cannot be loaded.
    std::function<bool(const QString& picture)> loadPicture;

    // Controls
    ControlState imgMap;
    QString picture;                    // loaded map picture; "" while the start image shows
    bool pictureLoaded = true;          // false when the last picture could not be loaded
    std::array<MarkerState, kMarkerCount> DOT;
    std::array<LabelState, kMarkerCount> lblDOT;
    MarkerState ITEM;
    LabelState lblCaption, lblMultiInfo;
    ListState cboItems;
    ControlState btnInfo;
    bool printEnabled = false;

    // State
    LastDisplayRecord LastDisplay;
    QString CurrentMap;
    QString currentDataFile, currentCategory;
    QStringList keyList;
    bool LabelsHidden = false;
    QString InfoSubject;
    QString ComboBoxPrompt = QStringLiteral("  ------------ Bitte Auswählen ------------");

    // W: the window's outer width in the layout rules (imgMap width + 90).
    int windowWidth() const { return imgMap.width + 90; }
    int windowHeight() const { return imgMap.height + 800; }

    // Reference-picture twips to displayed-picture twips. Within the 16-bit range this is
    // exactly the 16-bit arithmetic; larger pictures use wider integers instead of overflowing.
    qint32 ResampleX(qint32 x) const;
    qint32 ResampleY(qint32 y) const;
    // Screen position of a record's pixel coordinates on the displayed picture.
    qint32 ScaledX(qint16 pixelX) const;
    qint32 ScaledY(qint16 pixelY) const;
    // The twips corner of a marker at reference pixel (x, y) for the current picture size.
    QPoint MarkerCorner(QPoint reference, MarkerAnchor anchor) const;
    // Shows entity at reference pixel (x, y): keeps both and derives the marker's corner.
    void PlaceMarker(MarkerState& marker, const EntityId& entity, qint16 x, qint16 y,
                     MarkerAnchor anchor = MarkerAnchor::Centre) const;

    void ClearUI();
    void Change(const QString& picture, const QString& dataFile, const QString& category);
    void ChangeMulti(const QString& picture, const QString& dataFile, const QString& category,
                     const QString& caption, bool hideLabels);
    // Selects line index of cboItems and runs the selection handler.
    void SelectListIndex(int index);
    // The selection handler on the list's current text (or LastDisplay's name).
    void SelectionChanged();

    // Sets the window's size in twips (W, H) and runs the resize handler: layout, then the
    // replay of LastDisplay. Returns false when a replayed picture could not be loaded.
    bool Resize(int windowWidthTwips, int windowHeightTwips);
    // The drop-down list's height in pixels (SetComboBoxHeight).
    int dropDownHeight = 0;
    // Places the selection marker and its name for a name of the current category
    // (the selection handler without the prompt test).
    void PlaceSelection(const QString& name);

    // Puts a name label beside a marker: odd index right, even left, then the edge rules.
    void PlaceLabelBeside(const MarkerState& marker, LabelState& label, bool rightFirst,
                          bool leftEdgeRule) const;

    // Sets a label's caption and sizes it to the caption, as an autosized label does.
    void SetCaption(LabelState& label, const QString& caption, LabelKind kind);
    // Loads a map picture into imgMap (loadPicture callback) and remembers its path.
    bool SetPicture(const QString& picture);
    // Back to the start image (no map picture).
    void ClearPicture() { picture.clear(); }

private:
    QString shownName(const QString& germanKey) const;
    QString storedName(const QString& shownName) const;

    LanguageState* m_language = nullptr;
    // LastDisplay as Change found it: a resize keeps a list display without a pick as it is.
    LastDisplayRecord m_lastDisplayAtChange;
    bool m_listShownByChange = false;
};
