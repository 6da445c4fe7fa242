#include "controls/MapLabel.h"

#include "controls/ctlLocation.h"
#include "controls/Fonts.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace {
constexpr int kPadding = 2;  // pixels left and right of the text
}

MapLabel::MapLabel(Style style, QWidget* parent) : QLabel(parent), m_style(style)
{
    setFont(fontFor(style));
    // The background is filled in paintEvent: Qt cuts an auto-filled (opaque) widget out of
    // every sibling below it, which with 160 markers and labels costs more than the drawing.
    setAutoFillBackground(false);
    setMouseTracking(true);
    setAlignment(style == Style::Heading ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    setContentsMargins(0, 0, 0, 0);
    setIndent(kPadding);
    setTextFormat(Qt::PlainText);
}

QFont MapLabel::fontFor(Style style)
{
    return style == Style::Heading ? Fonts::MsSansSerif(12.0, true) : Fonts::MsSansSerif(9.75, true);
}

QSize MapLabel::sizeFor(Style style, const QString& caption)
{
    // Every name of every display is measured: the metrics of the two fonts are made once
    // (and kept to the end, past the application object).
    static const QFontMetrics* const nameMetrics = new QFontMetrics(fontFor(Style::Name));
    static const QFontMetrics* const headingMetrics = new QFontMetrics(fontFor(Style::Heading));
    const QFontMetrics& metrics = style == Style::Heading ? *headingMetrics : *nameMetrics;
    // Every display and every resize measures its names again; names repeat.
    static auto* const known = new QHash<std::pair<int, QString>, QSize>;
    const std::pair<int, QString> key{int(style), caption};
    if (const auto it = known->constFind(key); it != known->constEnd())
        return *it;
    if (known->size() > 8192)
        known->clear();
    const QSize size(metrics.horizontalAdvance(caption) + 2 * kPadding, metrics.height() + 2);
    known->insert(key, size);
    return size;
}

void MapLabel::setColours(quint32 fore, quint32 back)
{
    if (fore == m_fore && back == m_back && m_fore != 0)
        return;
    m_fore = fore;
    m_back = back;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ctlLocation::fromBgr(fore));
    p.setColor(QPalette::Window, ctlLocation::fromBgr(back));
    setPalette(p);
}

void MapLabel::paintEvent(QPaintEvent* event)
{
    if (m_drawingLook) {
        QPainter painter(this);
        painter.fillRect(rect(), palette().brush(backgroundRole()));
        painter.end();
        QLabel::paintEvent(event);
        return;
    }
    // Names repeat between displays, and a resize redraws every one of them: each look (text,
    // colours, size) is drawn once and then copied.
    static auto* const looks = new QHash<QString, QPixmap>;
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("%1/%2/%3/%4x%5/%6/%7/")
                            .arg(int(m_style))
                            .arg(palette().color(foregroundRole()).rgba())
                            .arg(palette().color(backgroundRole()).rgba())
                            .arg(width())
                            .arg(height())
                            .arg(qRound(ratio * 1000))
                            .arg(isEnabled()) +
                        text();
    auto look = looks->constFind(key);
    if (look == looks->constEnd()) {
        if (looks->size() > 1024)
            looks->clear();
        QPixmap picture(QSize(qRound(width() * ratio), qRound(height() * ratio)));
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        m_drawingLook = true;
        render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
        m_drawingLook = false;
        look = looks->insert(key, picture);
    }
    QPainter(this).drawPixmap(0, 0, *look);
}

void MapLabel::mouseMoveEvent(QMouseEvent*) { emit MouseMove(); }
void MapLabel::enterEvent(QEnterEvent*) { emit MouseMove(); }
void MapLabel::mouseDoubleClickEvent(QMouseEvent*) { emit DblClick(); }
