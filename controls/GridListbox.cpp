#include "controls/GridListbox.h"
#include "modules/Twips2Pixel_Module.h"

#include <QCollator>
#include <QHeaderView>
#include <QJsonArray>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

constexpr int TagRole = Qt::UserRole;
constexpr int KeyRole = Qt::UserRole + 1;
constexpr int GhostedRole = Qt::UserRole + 2;
const QColor MaskColour(192, 192, 192);

// Rows sort by their text as a reader would, ignoring letter case; a leading blank
// still sorts first.
class GridRowItem : public QTreeWidgetItem
{
public:
    bool operator<(const QTreeWidgetItem& other) const override
    {
        static const QCollator collator = [] {
            QCollator c;
            c.setCaseSensitivity(Qt::CaseInsensitive);
            return c;
        }();
        return collator.compare(text(0), other.text(0)) < 0;
    }
};

class GhostDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const bool ghosted = index.data(GhostedRole).toBool();
        if (ghosted) {
            painter->save();
            painter->setOpacity(0.45);
        }
        QStyledItemDelegate::paint(painter, option, index);
        if (ghosted)
            painter->restore();
    }
};

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

int buttonState(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

// The Windows key code of a Qt key, for the key events' KeyCode.
int keyCode(const QKeyEvent* event)
{
    const int key = event->key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return key & 0xFFFF;
    }
}

QPixmap rowPicture(const QPixmap& picture)
{
    QPixmap small = picture.size() == QSize(16, 16)
        ? picture
        : picture.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    small.setMask(small.createMaskFromColor(MaskColour, Qt::MaskInColor));
    return small;
}

} // namespace

// The inner list view: forwards its input to the owner's events.
class GridListView : public QTreeWidget
{
public:
    explicit GridListView(GridListbox* owner) : QTreeWidget(owner), m_owner(owner) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        emit m_owner->KeyDown(keyCode(event), shiftState(event->modifiers()));
        if (!event->text().isEmpty())
            emit m_owner->KeyPress(event->text().at(0).unicode());
        QTreeWidgetItem* before = currentItem();
        QTreeWidget::keyPressEvent(event);
        QTreeWidgetItem* after = currentItem();
        if (after && after != before)
            emit m_owner->RowClick(indexOfTopLevelItem(after) + 1);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        emit m_owner->KeyUp(keyCode(event), shiftState(event->modifiers()));
        QTreeWidget::keyReleaseEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        emitMouse(&GridListbox::MouseDown, event, event->button());
        QTreeWidget::mousePressEvent(event);
        if (QTreeWidgetItem* row = itemAt(event->position().toPoint()))
            emit m_owner->RowClick(indexOfTopLevelItem(row) + 1);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        emitMouse(&GridListbox::MouseMove, event, event->buttons());
        QTreeWidget::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        emitMouse(&GridListbox::MouseUp, event, event->button());
        QTreeWidget::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && viewport()->rect().contains(event->position().toPoint()))
            emit m_owner->Click();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        QTreeWidget::mouseDoubleClickEvent(event);
        emit m_owner->DblClick();
    }

private:
    using MouseSignal = void (GridListbox::*)(int, int, double, double);
    void emitMouse(MouseSignal signal, const QMouseEvent* event, Qt::MouseButtons buttons)
    {
        const QPointF p = event->position();
        emit(m_owner->*signal)(buttonState(buttons), shiftState(event->modifiers()),
                               p.x() * Twips2Pixel_Module::TwipsPerPixelX(),
                               p.y() * Twips2Pixel_Module::TwipsPerPixelY());
    }
    GridListbox* m_owner;
};

QString GridListbox::Row::Text() const { return m_item ? m_item->text(0) : QString(); }
QString GridListbox::Row::Tag() const
{
    return m_item ? m_item->data(0, TagRole).toString() : QString();
}
bool GridListbox::Row::Selected() const { return m_item && m_item->isSelected(); }
void GridListbox::Row::setSelected(bool selected) const
{
    if (!m_item)
        return;
    if (selected)
        m_item->treeWidget()->setCurrentItem(m_item);
    else
        m_item->setSelected(false);
}

bool GridListbox::Row::Ghosted() const
{
    return m_item && m_item->data(0, GhostedRole).toBool();
}

GridListbox::GridListbox(QWidget* parent) : QWidget(parent), m_view(new GridListView(this))
{
    m_view->setColumnCount(1);
    m_view->setHeaderLabel(QStringLiteral("<dummy>"));
    m_view->setHeaderHidden(m_noHeader);
    m_view->setRootIsDecorated(false);
    m_view->setItemsExpandable(false);
    m_view->setUniformRowHeights(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setIconSize(QSize(16, 16));
    m_view->setItemDelegate(new GhostDelegate(m_view));
    m_view->header()->setStretchLastSection(false);
    m_view->header()->setSectionsMovable(false);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    applyColours();
}

GridListbox::~GridListbox() = default;

void GridListbox::AddItem(const QString& text, const QPixmap* picture, const QString& tag)
{
    auto* row = new GridRowItem;
    ++m_pictureCount;
    m_lastKey = QStringLiteral("Key%1").arg(m_pictureCount);
    const bool added = picture && !picture->isNull();
    if (added) {
        m_images.insert(m_pictureCount, rowPicture(*picture));
        m_keys.insert(m_pictureCount, m_lastKey);
    }
    row->setData(0, TagRole, tag);
    if (added) {
        row->setIcon(0, QIcon(m_images.value(m_pictureCount)));
        row->setData(0, KeyRole, m_lastKey);
    } else if (!picture) {
        --m_pictureCount;
    }
    row->setText(0, text);
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    m_view->addTopLevelItem(row);
}

QPixmap GridListbox::GetImage(const QList<QPixmap>& images, int index)
{
    return index >= 1 && index <= images.size() ? images.at(index - 1) : QPixmap();
}

void GridListbox::Clear() { m_view->clear(); }

QString GridListbox::PictureKey(int position) const { return m_keys.value(position); }

QFont GridListbox::Font() const { return m_view->font(); }
void GridListbox::setFont(const QFont& font) { m_view->setFont(font); }

void GridListbox::setForeColor(quint32 colour)
{
    m_foreColor = colour;
    applyColours();
}

void GridListbox::setBackColor(quint32 colour)
{
    m_backColor = colour;
    applyColours();
}

GridListbox::Row GridListbox::Rows(int index) const { return Row(item(index), index); }

int GridListbox::ListCount() const { return m_view->topLevelItemCount(); }

int GridListbox::ListIndex() const
{
    const QList<QTreeWidgetItem*> selected = m_view->selectedItems();
    return selected.isEmpty() ? 0 : m_view->indexOfTopLevelItem(selected.first()) + 1;
}

int GridListbox::setListCount(int) { return ErrSetNotPermitted; }
int GridListbox::setListIndex(int) { return ErrSetNotPermitted; }

void GridListbox::setSorted(bool sorted)
{
    m_sorted = sorted;
    m_view->setSortingEnabled(sorted);
    if (sorted)
        m_view->sortByColumn(0, Qt::AscendingOrder);
    // The header is a caption, not a sort control.
    m_view->header()->setSortIndicatorShown(false);
    m_view->header()->setSectionsClickable(false);
}

void GridListbox::Refresh() { m_view->viewport()->update(); }

QString GridListbox::List(int index) const
{
    const QTreeWidgetItem* row = item(index == 0 ? 1 : index);
    return row ? row->text(0) : QString();
}

QString GridListbox::Text() const
{
    const QTreeWidgetItem* row = item(ListIndex());
    return row ? row->text(0) : QString();
}

void GridListbox::setText(const QString& text)
{
    // The list view's whole-text search ignores letter case.
    for (int i = 0; i < m_view->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_view->topLevelItem(i);
        if (row->text(0).compare(text, Qt::CaseInsensitive) == 0) {
            m_view->setCurrentItem(row);
            m_view->scrollToItem(row);
            return;
        }
    }
}

void GridListbox::RemoveItem(int index)
{
    if (item(index))
        delete m_view->takeTopLevelItem(index - 1);
}

bool GridListbox::Enabled() const { return m_view->isEnabled(); }

void GridListbox::setEnabled(bool enabled)
{
    m_view->setEnabled(enabled);
    if (enabled) {
        m_backColor = m_savedBackColor;
        m_foreColor = m_savedForeColor;
    } else {
        m_backColor = SysButtonFace;
        m_foreColor = Grey;
    }
    applyColours();
    setGhosted(!enabled);
}

void GridListbox::setNoHeader(bool noHeader)
{
    m_noHeader = noHeader;
    m_view->setHeaderHidden(noHeader);
}

void GridListbox::setCaption(const QString& caption)
{
    m_caption = caption;
    m_view->headerItem()->setText(0, caption);
}

QTreeWidget* GridListbox::listView() const { return m_view; }

QColor GridListbox::ToQColor(quint32 colour)
{
    if (colour & 0x80000000u) {
        const QPalette palette;
        switch (colour & 0xFF) {
        case 5: return palette.color(QPalette::Active, QPalette::Base);
        case 8: return palette.color(QPalette::Active, QPalette::Text);
        case 15: return palette.color(QPalette::Active, QPalette::Button);
        case 18: return palette.color(QPalette::Active, QPalette::ButtonText);
        default: return palette.color(QPalette::Active, QPalette::Window);
        }
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QJsonObject GridListbox::automationState() const
{
    QJsonArray items;
    for (int i = 0; i < m_view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_view->topLevelItem(i);
        items.append(QJsonObject{{"text", row->text(0)},
                                 {"tag", row->data(0, TagRole).toString()},
                                 {"picture", row->data(0, KeyRole).toString()},
                                 {"ghosted", row->data(0, GhostedRole).toBool()}});
    }
    return QJsonObject{{"items", items},
                       {"selected", ListIndex()},
                       {"caption", m_caption},
                       {"noHeader", m_noHeader},
                       {"enabled", Enabled()}};
}

void GridListbox::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_savedForeColor = m_foreColor;
    m_savedBackColor = m_backColor;
    m_view->headerItem()->setText(0, m_caption);
}

void GridListbox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(0, 0, width(), height());
    m_view->setColumnWidth(0, qMax(0, m_view->width() - Twips2Pixel_Module::TwipsToPixelsX(100)));
}

QTreeWidgetItem* GridListbox::item(int index) const
{
    return index >= 1 && index <= m_view->topLevelItemCount() ? m_view->topLevelItem(index - 1)
                                                              : nullptr;
}

void GridListbox::applyColours()
{
    QPalette palette = m_view->palette();
    const QColor back = ToQColor(m_backColor);
    const QColor fore = ToQColor(m_foreColor);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Text, fore);
    }
    m_view->setPalette(palette);
}

void GridListbox::setGhosted(bool ghosted)
{
    for (int i = 0; i < m_view->topLevelItemCount(); ++i)
        m_view->topLevelItem(i)->setData(0, GhostedRole, ghosted);
}
