#include "controls/BalloonWindow.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTextLayout>
#include <cmath>

namespace {

struct Metrics
{
    int radius, padX, padY, stemHeight, stemWidth;
};

constexpr Metrics kBalloon{8, 10, 7, 14, 14};
constexpr Metrics kRectangle{0, 4, 3, 0, 0};
constexpr int kIconSize = 16;
constexpr int kIconGap = 6;
constexpr int kTitleGap = 5;
constexpr int kPointerHeight = 20;   // a rectangular tip sits below the mouse cursor
constexpr int kMinimumWrap = 24;

const Metrics& metricsOf(bool balloon) { return balloon ? kBalloon : kRectangle; }

QStringList paragraphsOf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

// Lays the paragraphs out at wrapWidth; draws them when painter is given. Returns the height
// and the widest line.
QSizeF layoutParagraphs(const QStringList& paragraphs, const QFont& font, int wrapWidth,
                        QPainter* painter = nullptr, QPointF origin = {})
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal y = 0;
    qreal widest = 0;
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(wrapWidth);
            line.setPosition(QPointF(0, y));
            y += line.height();
            widest = std::max(widest, line.naturalTextWidth());
        }
        layout.endLayout();
        if (painter)
            layout.draw(painter, origin);
    }
    return {widest, y};
}

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

QStyle::StandardPixmap iconPixmap(int icon)
{
    switch (icon) {
    case 2: return QStyle::SP_MessageBoxWarning;
    case 3: return QStyle::SP_MessageBoxCritical;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

bool hasIcon(int icon) { return icon >= 1 && icon <= 3; }

// Platforms without real windows (the test and batch ones) cannot cut a window's shape.
bool canShape()
{
    static const bool shaped = !QStringList{"offscreen", "minimal"}.contains(
        QGuiApplication::platformName());
    return shaped;
}

} // namespace

BalloonWindow::BalloonWindow(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput
                         | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("BalloonWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The tip is not part of the owner's layout or focus chain.
    setFocusPolicy(Qt::NoFocus);
}

void BalloonWindow::setLook(const Look& look)
{
    // The main window repeats every setting on each mouse move.
    if (look == m_look)
        return;
    m_look = look;
    if (isVisible() && m_surface) {
        place();
        update();
    }
}

void BalloonWindow::showFor(QWidget* surface, const QRect& area, const QString& text,
                            bool centered, const QPoint& pointer)
{
    m_surface = surface;
    m_area = area;
    m_dismissed = false;
    m_text = text;
    m_centered = centered;
    m_pointer = pointer;
    if (!surface || text.isEmpty()) {
        hideTip();
        return;
    }
    place();
    show();
    update();
}

void BalloonWindow::hideTip()
{
    hide();
}

void BalloonWindow::dismiss()
{
    m_dismissed = true;
    hide();
}

QSize BalloonWindow::measure(int screenWidth)
{
    const Metrics& m = metricsOf(m_look.balloon);
    // As with the system tooltips, the maximum width is that of the text; the margins come on top.
    const int screenText = screenWidth - 2 * m.padX;
    const int limit = m_look.maxWidth > 0 ? std::min(m_look.maxWidth, screenText) : screenText;
    m_wrapWidth = std::max(limit, kMinimumWrap);

    const QSizeF textSize = layoutParagraphs(paragraphsOf(m_text), m_look.font, m_wrapWidth);
    int contentWidth = int(std::ceil(textSize.width()));
    int contentHeight = int(std::ceil(textSize.height()));

    m_shownTitle.clear();
    if (!m_look.title.isEmpty()) {
        const QFontMetrics bold(boldOf(m_look.font));
        const int iconWidth = hasIcon(m_look.icon) ? kIconSize + kIconGap : 0;
        m_shownTitle = bold.elidedText(m_look.title, Qt::ElideRight, m_wrapWidth - iconWidth);
        contentWidth = std::max(contentWidth, iconWidth + bold.horizontalAdvance(m_shownTitle));
        contentHeight += std::max(bold.height(), hasIcon(m_look.icon) ? kIconSize : 0) + kTitleGap;
    }
    return {contentWidth + 2 * m.padX, contentHeight + 2 * m.padY};
}

void BalloonWindow::place()
{
    QScreen* screen = m_surface->screen() ? m_surface->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const Metrics& m = metricsOf(m_look.balloon);
    const QSize bubble = measure(area.width());
    const QSize size(bubble.width(), bubble.height() + m.stemHeight);

    const QRect target(m_surface->mapToGlobal(m_area.topLeft()), m_area.size());
    const bool onControl = !m_centered && target.contains(m_pointer);
    const int anchorX = onControl ? m_pointer.x() : target.center().x();

    QPoint topLeft;
    if (m_look.balloon) {
        // The stem leaves the bubble near its left end and points at the target's edge.
        const int stemOffset = m.radius + 8;
        m_stemOnTop = target.bottom() + 1 + size.height() <= area.bottom() + 1
                      || target.top() - size.height() < area.top();
        const int y = m_stemOnTop ? target.bottom() + 1 : target.top() - size.height();
        const int x = std::clamp(anchorX - stemOffset, area.left(),
                                 std::max(area.left(), area.right() + 1 - size.width()));
        topLeft = QPoint(x, y);
        m_stemX = std::clamp(anchorX - x, m.radius + 2,
                             std::max(m.radius + 2, size.width() - m.radius - m.stemWidth - 2));
        m_bubble = QRect(QPoint(0, m_stemOnTop ? m.stemHeight : 0), bubble);
    } else {
        const int below = onControl ? m_pointer.y() + kPointerHeight : target.bottom() + 3;
        const int y = below + size.height() <= area.bottom() + 1 ? below
                                                                 : target.top() - size.height() - 2;
        const int x = std::clamp(onControl ? m_pointer.x() : target.left(), area.left(),
                                 std::max(area.left(), area.right() + 1 - size.width()));
        topLeft = QPoint(x, std::max(y, area.top()));
        m_bubble = QRect(QPoint(0, 0), bubble);
        m_stemOnTop = true;
    }
    setGeometry(QRect(topLeft, size));
    if (m_look.balloon && canShape()) {
        // The shape covers the outline's stroke as well as its inside.
        QBitmap shape(size);
        shape.fill(Qt::color0);
        QPainter painter(&shape);
        painter.setPen(QPen(Qt::color1, 1));
        painter.setBrush(Qt::color1);
        painter.drawPath(outline());
        painter.end();
        setMask(shape);
    } else
        clearMask();
}

QPainterPath BalloonWindow::outline() const
{
    const Metrics& m = metricsOf(m_look.balloon);
    QPainterPath path;
    const QRectF box = QRectF(m_bubble).adjusted(0.5, 0.5, -0.5, -0.5);
    path.addRoundedRect(box, m.radius, m.radius);
    if (m_look.balloon) {
        // A right-angled stem: vertical on its left side, its point on the target's edge.
        QPainterPath stem;
        const qreal x = m_stemX + 0.5;
        if (m_stemOnTop) {
            stem.moveTo(x, 0.5);
            stem.lineTo(x, box.top() + 1);
            stem.lineTo(x + m.stemWidth, box.top() + 1);
        } else {
            stem.moveTo(x, height() - 0.5);
            stem.lineTo(x, box.bottom() - 1);
            stem.lineTo(x + m.stemWidth, box.bottom() - 1);
        }
        stem.closeSubpath();
        path = path.united(stem);
    }
    return path;
}

void BalloonWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor border((m_look.text.red() * 2 + m_look.back.red()) / 3,
                        (m_look.text.green() * 2 + m_look.back.green()) / 3,
                        (m_look.text.blue() * 2 + m_look.back.blue()) / 3);
    painter.fillRect(rect(), m_look.back);
    painter.setPen(QPen(border, 1));
    painter.setBrush(m_look.back);
    painter.drawPath(outline());

    const Metrics& m = metricsOf(m_look.balloon);
    QPointF origin(m_bubble.left() + m.padX, m_bubble.top() + m.padY);
    painter.setPen(m_look.text);
    if (!m_shownTitle.isEmpty()) {
        const QFont bold = boldOf(m_look.font);
        const QFontMetrics fm(bold);
        const int lineHeight = std::max(fm.height(), hasIcon(m_look.icon) ? kIconSize : 0);
        qreal x = origin.x();
        if (hasIcon(m_look.icon)) {
            const QPixmap icon = style()->standardIcon(iconPixmap(m_look.icon))
                                     .pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF());
            painter.drawPixmap(QRectF(x, origin.y() + (lineHeight - kIconSize) / 2.0, kIconSize,
                                      kIconSize),
                               icon, QRectF(icon.rect()));
            x += kIconSize + kIconGap;
        }
        painter.setFont(bold);
        painter.drawText(QRectF(x, origin.y(), m_bubble.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, m_shownTitle);
        origin.ry() += lineHeight + kTitleGap;
    }
    painter.setFont(m_look.font);
    layoutParagraphs(paragraphsOf(m_text), m_look.font, m_wrapWidth, &painter, origin);
}
