#include "controls/clsToolTipDeluxe.h"
#include "controls/BalloonWindow.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <optional>

namespace {

constexpr int kMaxDelay = 32767;

QColor colourOf(quint32 colour)
{
    colour = clsToolTipDeluxe::TranslateSystemColour(colour);
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

quint32 colourRefOf(const QColor& colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

// The Windows system colour indexes (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30) as the
// palette's roles.
struct SystemColour
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr SystemColour kSystemColours[] = {
    {QPalette::Active, QPalette::Button},           // 0 scroll bar
    {QPalette::Active, QPalette::Dark},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Mid},            // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Button},           // 10 active border
    {QPalette::Inactive, QPalette::Button},         // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlighted text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Mid},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Disabled, QPalette::WindowText},     // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 COLOR_INFOTEXT
    {QPalette::Active, QPalette::ToolTipBase},      // 24 COLOR_INFOBK
    {QPalette::Active, QPalette::Window},           // 25 unused
    {QPalette::Active, QPalette::Link},             // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},        // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},      // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
};

// Windows rounds a font's size to whole points and the height half away from zero (MulDiv).
int mulDiv(int number, int numerator, int denominator)
{
    return int(std::lround(double(number) * numerator / denominator));
}

int screenDpi(const QWidget* widget)
{
    const QScreen* screen = widget && widget->screen() ? widget->screen()
                                                        : QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96;
}

// Fonts of Windows installations that Linux does not have.
QString familyOnThisPlatform(const QString& family)
{
    static const QStringList sansSerif{"MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2",
                                       "Microsoft Sans Serif"};
    return sansSerif.contains(family, Qt::CaseInsensitive) ? QStringLiteral("sans-serif")
                                                           : family;
}

} // namespace

clsToolTipDeluxe::clsToolTipDeluxe(QObject* parent)
    : QObject(parent)
{
    m_delayTimer = new QTimer(this);
    m_delayTimer->setSingleShot(true);
    connect(m_delayTimer, &QTimer::timeout, this, [this] {
        if (m_pending)
            showTipFor(m_pending);
    });
    m_popTimer = new QTimer(this);
    m_popTimer->setSingleShot(true);
    connect(m_popTimer, &QTimer::timeout, this, [this] {
        if (m_window)
            m_window->dismiss();
    });
}

clsToolTipDeluxe::~clsToolTipDeluxe()
{
    Destroy();
}

void clsToolTipDeluxe::MaxWidth(int pixels)
{
    m_maxWidth = pixels;
    if (m_window) {
        BalloonWindow::Look look = m_window->look();
        look.maxWidth = pixels;
        m_window->setLook(look);
    }
}

void clsToolTipDeluxe::VisibleTime(int milliseconds)
{
    if (m_window)
        m_visibleTime = std::clamp(milliseconds, 0, kMaxDelay);
}

void clsToolTipDeluxe::DelayTime(int milliseconds)
{
    if (m_window)
        m_delayTime = std::clamp(milliseconds, 0, kMaxDelay);
}

void clsToolTipDeluxe::ToolTipTextColor(quint32 colour)
{
    if (!m_window)
        return;
    m_textColour = colour;
    BalloonWindow::Look look = m_window->look();
    look.text = colourOf(colour);
    m_window->setLook(look);
}

void clsToolTipDeluxe::ToolTipBackColor(quint32 colour)
{
    if (!m_window)
        return;
    m_backColour = colour;
    BalloonWindow::Look look = m_window->look();
    look.back = colourOf(colour);
    m_window->setLook(look);
}

void clsToolTipDeluxe::Font(const QFont* font)
{
    if (!font || !m_window)
        return;
    m_font = *font;

    QFont shown;
    shown.setFamilies({familyOnThisPlatform(font->family())});
    shown.setStyleHint(QFont::SansSerif);
    const int height = font->pointSizeF() > 0 ? FontHeight(font->pointSizeF(), screenDpi(m_parent))
                                               : -font->pixelSize();
    shown.setPixelSize(std::max(1, -height));
    shown.setWeight(font->bold() ? QFont::Bold : QFont::Normal);
    shown.setItalic(font->italic());
    shown.setUnderline(font->underline());
    shown.setStrikeOut(font->strikeOut());

    BalloonWindow::Look look = m_window->look();
    look.font = shown;
    m_window->setLook(look);
}

void clsToolTipDeluxe::Create(QWidget* parent, bool alwaysTip, bool balloon)
{
    Destroy();
    m_parent = parent;
    m_alwaysTip = alwaysTip;
    m_balloon = balloon;
    m_window = new BalloonWindow(parent);
    // The owner may take the window with it; the object must not keep a dangling pointer.
    connect(m_window, &QObject::destroyed, this, [this] {
        m_window = nullptr;
        Destroy();
    });

    BalloonWindow::Look look;
    look.balloon = balloon;
    look.maxWidth = m_maxWidth;
    look.back = colourOf(m_backColour);
    look.text = colourOf(m_textColour);
    look.font = QGuiApplication::font();
    m_window->setLook(look);
}

void clsToolTipDeluxe::Destroy()
{
    m_delayTimer->stop();
    m_popTimer->stop();
    for (auto it = m_tools.keyBegin(); it != m_tools.keyEnd(); ++it) {
        (*it)->removeEventFilter(this);
        disconnect(*it, &QObject::destroyed, this, nullptr);
    }
    m_tools.clear();
    m_lastControl = nullptr;
    m_lastName.clear();
    m_lastText.clear();
    m_pending = nullptr;
    if (m_window) {
        BalloonWindow* window = m_window;
        m_window = nullptr;
        disconnect(window, nullptr, this, nullptr);
        delete window;
    }
}

void clsToolTipDeluxe::AddControl(QWidget* control, const QString& text, bool centered)
{
    if (control)
        addTool(control, Tool{QRect(), control->objectName(), text, centered});
}

void clsToolTipDeluxe::AddArea(QWidget* surface, const QRect& area, const QString& name,
                               const QString& text, bool centered)
{
    addTool(surface, Tool{area, name, text, centered});
}

void clsToolTipDeluxe::addTool(QWidget* control, const Tool& tool)
{
    if (!m_window || !control)
        return;
    if (!m_tools.contains(control)) {
        control->installEventFilter(this);
        connect(control, &QObject::destroyed, this, [this, control] {
            m_tools.remove(control);
            if (m_pending == control)
                m_pending = nullptr;
            if (m_window && !m_window->surface())
                m_window->hideTip();
        });
    }
    m_tools.insert(control, tool);
    m_lastControl = control;
    m_lastName = tool.name;
    m_lastText = tool.text;

    // Registration happens while the pointer is already on the control (the main window
    // registers on mouse moves), so the rest that shows the tip starts now.
    const QRect area = areaOf(control, tool);
    if (control->underMouse() && area.contains(control->mapFromGlobal(QCursor::pos()))
        && !isShownFor(control, area) && mayShowFor(control, area)) {
        m_pending = control;
        m_delayTimer->start(m_delayTime);
    }
}

void clsToolTipDeluxe::RemoveControl(QWidget* control)
{
    const auto tool = m_tools.constFind(control);
    if (tool == m_tools.constEnd())
        return;
    leave(control, true);
    control->removeEventFilter(this);
    disconnect(control, &QObject::destroyed, this, nullptr);
    m_tools.erase(tool);
}

QRect clsToolTipDeluxe::areaOf(const QWidget* control, const Tool& tool)
{
    return tool.area.isNull() ? control->rect() : tool.area;
}

bool clsToolTipDeluxe::isShownFor(const QWidget* control, const QRect& area) const
{
    return isTipVisible() && m_window->surface() == control && m_window->area() == area;
}

bool clsToolTipDeluxe::mayShowFor(const QWidget* control, const QRect& area) const
{
    return !m_window->isDismissedFor(control, area) && (m_alwaysTip || control->isActiveWindow());
}

void clsToolTipDeluxe::SetToolTipTitle(const QString& title, int icon)
{
    if (!m_window)
        return;
    m_title = title;
    m_icon = icon;
    BalloonWindow::Look look = m_window->look();
    look.title = title;
    look.icon = icon;
    m_window->setLook(look);
}

quint32 clsToolTipDeluxe::TranslateSystemColour(quint32 colour)
{
    if ((colour & 0xFF000000u) != 0x80000000u)
        return colour;
    const quint32 index = colour & 0x00FFFFFFu;
    if (index >= std::size(kSystemColours))
        return 0;  // as the system answers an unknown index
    const SystemColour& system = kSystemColours[index];
    return colourRefOf(QGuiApplication::palette().color(system.group, system.role));
}

int clsToolTipDeluxe::FontHeight(double points, int dpi)
{
    return -mulDiv(int(std::lround(points)), dpi, 72);
}

QJsonObject clsToolTipDeluxe::balloonState() const
{
    const bool registered = !m_lastControl.isNull();
    return QJsonObject{
        {"control", registered ? m_lastName : QString()},
        {"text", registered ? m_lastText : QString()},
        {"title", m_title},
        {"icon", m_icon},
        {"backColor", qint64(m_backColour)},
        {"textColor", qint64(m_textColour)},
        {"font", QJsonObject{{"name", m_font.family()},
                             {"size", m_font.pointSizeF() > 0 ? m_font.pointSizeF() : 0.0},
                             {"italic", m_font.italic()}}},
    };
}

QJsonObject clsToolTipDeluxe::objectState() const
{
    return QJsonObject{{"maxWidth", m_maxWidth},
                       {"visibleTime", m_visibleTime},
                       {"delayTime", m_delayTime},
                       {"balloon", m_balloon},
                       {"alwaysTip", m_alwaysTip}};
}

bool clsToolTipDeluxe::isCreated() const
{
    return m_window != nullptr;
}

void clsToolTipDeluxe::showTipFor(QWidget* control)
{
    m_delayTimer->stop();
    m_pending = nullptr;
    if (!m_window || !control || !m_tools.contains(control))
        return;
    const Tool tool = m_tools.value(control);
    m_window->showFor(control, areaOf(control, tool), tool.text, tool.centered, QCursor::pos());
    if (m_window->isVisible())
        m_popTimer->start(m_visibleTime);
}

bool clsToolTipDeluxe::isTipVisible() const
{
    return m_window && m_window->isVisible();
}

void clsToolTipDeluxe::leave(QWidget* control, bool gone)
{
    if (m_pending == control) {
        m_delayTimer->stop();
        m_pending = nullptr;
    }
    if (m_window->surface() != control)
        return;
    if (isTipVisible()) {
        m_popTimer->stop();
        // As with system tips, a click puts the tip away until the pointer comes back.
        if (gone)
            m_window->hideTip();
        else
            m_window->dismiss();
    }
    if (gone)
        m_window->clearDismissal();
}

bool clsToolTipDeluxe::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control || !m_tools.contains(control))
        return false;
    const QRect area = areaOf(control, m_tools.value(control));
    // Where the pointer is, for the events that tell; off the area counts as having left it.
    std::optional<QPointF> at;
    switch (event->type()) {
    case QEvent::Enter: at = static_cast<QEnterEvent*>(event)->position(); break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: at = static_cast<QMouseEvent*>(event)->position(); break;
    case QEvent::Wheel: at = static_cast<QWheelEvent*>(event)->position(); break;
    default: break;
    }
    const bool onArea = !at || area.contains(at->toPoint());
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        // The tip shows once the pointer rests; a shown tip stays while the pointer moves on it.
        if (!onArea)
            leave(control, true);
        else if (!isShownFor(control, area) && mayShowFor(control, area)) {
            m_pending = control;
            m_delayTimer->start(m_delayTime);
        }
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        leave(control, true);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        if (onArea)
            leave(control, false);
        break;
    default:
        break;
    }
    return false;
}
