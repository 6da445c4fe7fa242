#include "modules/display/MainDisplay.h"

#include "modules/EntityId.h"
#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Numeric.h"
#include "modules/StringOps.h"
#include "modules/Twips2Pixel_Module.h"

using namespace Twips2Pixel_Module;

namespace {

constexpr int kMarkerOffset = 65;  // marker corner, left of and above the point
constexpr int kLabelGap = 50;      // name label beside its marker
constexpr int kLabelRise = 40;     // name label above the marker's top
constexpr int kHeadingMargin = 120;

// The n-th piece of a record split at ",", trimmed; empty past the last.
QStringView fieldView(QStringView record, int n)
{
    return StringOps::SplitItemView(record, qint16(n), u",").trimmed();
}

QString field(const QString& record, int n)
{
    return fieldView(record, n).toString();
}

// All-at-once display: the leading number of a token; no number counts as 0.
qint16 leadingCoordinate(QStringView record, int n)
{
    return Numeric::ToInt16(
        Numeric::LeadingNumber(StringOps::TokenView(record, qint16(n), u",").toString()));
}

// Selection: the whole field as a number; a field that is not one falls back to its
// leading number rather than failing.
qint16 wholeCoordinate(const QString& text)
{
    const auto number = Numeric::WholeNumber(text);
    return Numeric::ToInt16(number ? *number : Numeric::LeadingNumber(text));
}

// A caption framed by blanks, made in one piece: a display makes 81 of them.
QString framed(const QString& text)
{
    QString caption;
    caption.reserve(text.size() + 2);
    caption.append(u' ').append(text).append(u' ');
    return caption;
}

QString shownName(const QString& germanKey)
{
    return LOCAL::IsGerman() ? germanKey : LOCAL::LocalizeName(germanKey);
}

} // namespace

MainDisplay::MainDisplay()
{
    imgMap = {0, 0, 14175, 10365, true};
    cboItems.left = 11160;
    cboItems.top = 0;
    cboItems.width = 4215;
    cboItems.height = 360;
    btnInfo = {10800, 5, 375, 360, false};
    lblMultiInfo.left = 11505;
    lblMultiInfo.top = 360;
    lblMultiInfo.width = 2385;
    lblMultiInfo.height = 330;
    lblMultiInfo.caption = QStringLiteral("<multi info header>");
    lblCaption.left = 960;
    lblCaption.top = 600;
    lblCaption.width = 1050;
    lblCaption.height = 270;
    lblCaption.caption = QStringLiteral("<caption>");
    for (LabelState& label : lblDOT)
        label.caption = QStringLiteral("<caption multi>");
}

qint32 MainDisplay::ResampleX(qint32 x) const
{
    const qint64 reference = Numeric::ToInt16(PixelsToTwipsX(1024));
    const qint64 width = imgMap.width;
    return qint32(Numeric::RoundHalfEven(double(width) / double(reference) * double(x)));
}

qint32 MainDisplay::ResampleY(qint32 y) const
{
    const qint64 reference = Numeric::ToInt16(PixelsToTwipsY(768));
    const qint64 height = imgMap.height;
    return qint32(Numeric::RoundHalfEven(double(height) / double(reference) * double(y)));
}

qint32 MainDisplay::ScaledX(qint16 pixelX) const { return ResampleX(PixelsToTwipsX(pixelX)); }
qint32 MainDisplay::ScaledY(qint16 pixelY) const { return ResampleY(PixelsToTwipsY(pixelY)); }

QPoint MainDisplay::MarkerCorner(QPoint reference, MarkerAnchor anchor) const
{
    const qint16 x = qint16(reference.x());
    const qint16 y = qint16(reference.y());
    if (anchor == MarkerAnchor::Centre)
        return {ScaledX(x) - kMarkerOffset, ScaledY(y) - kMarkerOffset};
    // Scaled in pixels, then turned into twips: the corner lands on a whole pixel.
    return {PixelsToTwipsX(ResampleX(x)), PixelsToTwipsY(ResampleY(y))};
}

void MainDisplay::PlaceMarker(MarkerState& marker, const EntityId& entity, qint16 x, qint16 y,
                              MarkerAnchor anchor) const
{
    marker.entity = entity;
    marker.reference = {x, y};
    marker.anchor = anchor;
    const QPoint corner = MarkerCorner(marker.reference, anchor);
    marker.left = corner.x();
    marker.top = corner.y();
}

void MainDisplay::SetCaption(LabelState& label, const QString& caption, LabelKind kind)
{
    label.caption = caption;
    if (measureWidth)
        label.width = measureWidth(caption, kind);
    if (measureHeight)
        label.height = measureHeight(kind);
}

bool MainDisplay::SetPicture(const QString& path)
{
    picture = path;
    pictureLoaded = loadPicture ? loadPicture(path) : true;
    return pictureLoaded;
}

void MainDisplay::ClearUI()
{
    for (int i = 0; i < kMarkerCount; ++i) {
        DOT[i].visible = false;
        DOT[i].toolTip.clear();
        lblDOT[i].visible = false;
        lblDOT[i].toolTip.clear();
        DOT[i].borderColor = kMarkerRed;
        lblDOT[i].foreColor = kMarkerRed;
    }
    lblMultiInfo.visible = false;
    ITEM.visible = false;
    ITEM.toolTip.clear();
    lblCaption.visible = false;
    lblCaption.toolTip.clear();
    btnInfo.visible = false;
    cboItems.visible = false;
}

void MainDisplay::Change(const QString& picturePath, const QString& dataFile,
                         const QString& category)
{
    ClearUI();
    CurrentMap = FileSystem::GetFileStem(picturePath).toLower();
    SetPicture(picturePath);
    printEnabled = true;
    cboItems.visible = true;
    btnInfo.visible = true;
    cboItems.items.clear();
    cboItems.listIndex = -1;
    currentDataFile = dataFile;
    currentCategory = category;
    lblCaption.toolTip.clear();
    cboItems.items.append(ComboBoxPrompt);
    keyList = IniOps::GetIniKeys(dataFile, category);
    for (const QString& key : std::as_const(keyList))
        if (!IsDisabledKey(key))
            cboItems.items.append(shownName(key));
    SelectListIndex(0);
    m_lastDisplayAtChange = LastDisplay;
    m_listShownByChange = true;
}

void MainDisplay::PlaceLabelBeside(const MarkerState& marker, LabelState& label, bool rightFirst,
                                   bool leftEdgeRule) const
{
    const int rightSide = marker.left + marker.width + kLabelGap;
    const int leftSide = marker.left - label.width - kLabelGap;
    label.left = rightFirst ? rightSide : leftSide;
    label.top = marker.top - kLabelRise;
    if (leftEdgeRule && label.left < 0)
        label.left = rightSide;
    if (label.left + label.width > windowWidth())
        label.left = leftSide;
}

void MainDisplay::ChangeMulti(const QString& picturePath, const QString& dataFile,
                              const QString& category, const QString& caption, bool hideLabels)
{
    CurrentMap = FileSystem::GetFileStem(picturePath).toLower();
    printEnabled = true;
    LastDisplay = {picturePath, dataFile, category, caption, hideLabels, QString()};
    LabelsHidden = hideLabels;
    m_listShownByChange = false;
    ClearUI();
    SetPicture(picturePath);

    // The data file is looked at once for the whole display, its records read where they stand.
    const IniOps::Reader data(dataFile);
    keyList = data.GetIniKeys(category);
    const qsizetype section = data.FindSection(category);
    // 81 marker elements: entries beyond them are not shown.
    const int count = std::min<int>(keyList.size(), kMarkerCount);
    for (int i = 0; i < count; ++i) {
        const QString& key = keyList[i];
        QStringView record = data.Value(section, key);
        if (fieldView(record, 3) == u"*") {
            DOT[i].borderColor = kMarkerGreen;
            lblDOT[i].foreColor = kMarkerGreen;
        }
        if (fieldView(record, 1) == u"#")
            record = data.Value(data.FindSection(fieldView(record, 2)), key);
        PlaceMarker(DOT[i], {CurrentMap, key}, leadingCoordinate(record, 1), leadingCoordinate(record, 2));
        const QString name = shownName(key);
        DOT[i].desc = name;
        if (IsDisabledKey(key))
            continue;
        DOT[i].visible = true;
        SetCaption(lblDOT[i], framed(name), LabelKind::Name);
        PlaceLabelBeside(DOT[i], lblDOT[i], i % 2 == 1, true);
        lblDOT[i].visible = !hideLabels;
    }

    QString heading = caption;
    heading.remove(QLatin1Char('&'));
    SetCaption(lblMultiInfo, framed(heading), LabelKind::Heading);
    lblMultiInfo.top = 0;
    lblMultiInfo.left = windowWidth() - lblMultiInfo.width - kHeadingMargin;
    lblMultiInfo.visible = true;
}

void MainDisplay::SelectListIndex(int index)
{
    if (index < 0 || index >= cboItems.items.size())
        return;
    cboItems.listIndex = index;
    SelectionChanged();
}

void MainDisplay::SelectionChanged()
{
    const QString text = cboItems.text();
    if (text.startsWith(QLatin1Char(' '))) {
        ITEM.visible = false;
        lblCaption.visible = false;
        return;
    }
    PlaceSelection(text.isEmpty() ? LastDisplay.selectedName : text);
}

void MainDisplay::PlaceSelection(const QString& name)
{
    const QString key = LOCAL::IsGerman() ? name : LOCAL::DelocalizeName(name);
    QString record = IniOps::ReadIni(currentDataFile, currentCategory, key, QString());
    if (field(record, 1) == QLatin1String("#"))
        record = IniOps::ReadIni(currentDataFile,
                                 StringOps::GetSplitItem(record, 2, QStringLiteral(",")), key,
                                 QString());
    const qint16 x = wholeCoordinate(StringOps::GetSplitItem(record, 1, QStringLiteral(",")));
    const qint16 y = wholeCoordinate(StringOps::GetSplitItem(record, 2, QStringLiteral(",")));
    PlaceMarker(ITEM, {CurrentMap, key}, x, y);
    ITEM.visible = true;
    ITEM.desc = name;
    lblCaption.toolTip.clear();
    LastDisplay = {QString(), currentDataFile, currentCategory, QString(), false, name};
    SetCaption(lblCaption, framed(name), LabelKind::Name);
    // The selection marker has no left-edge rule.
    PlaceLabelBeside(ITEM, lblCaption, true, false);
    lblCaption.visible = true;
}

bool MainDisplay::Resize(int windowWidthTwips, int windowHeightTwips)
{
    // A minimised window gives impossible sizes: keep the previous ones.
    if (windowWidthTwips - 90 > 0 && windowHeightTwips - 800 > 0) {
        imgMap.width = windowWidthTwips - 90;
        imgMap.height = windowHeightTwips - 800;
    }
    dropDownHeight = TwipsToPixelsY(imgMap.height);
    cboItems.left = windowWidth() - cboItems.width - 110;
    btnInfo.left = cboItems.left - btnInfo.width;

    if (LastDisplay.dataFile.isEmpty())
        return true;
    // A list shown by Change without a pick since: keep it as it is.
    if (m_listShownByChange && cboItems.visible && LastDisplay == m_lastDisplayAtChange)
        return true;
    if (!LastDisplay.selectedName.isEmpty()) {
        currentDataFile = LastDisplay.dataFile;
        currentCategory = LastDisplay.category;
        PlaceSelection(LastDisplay.selectedName);
        return true;
    }
    const LastDisplayRecord replay = LastDisplay;
    ChangeMulti(replay.picture, replay.dataFile, replay.category, replay.caption,
                replay.hideLabels);
    return pictureLoaded;
}
