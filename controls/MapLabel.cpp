#include "controls/MapLabel.h"

#include "controls/ctlLocation.h"
#include "controls/Fonts.h"

#include <QFontMetrics>
#include <QHash>

namespace {
constexpr int kPadding = 2;  // pixels left and right of the text
}

MapLabel::MapLabel(Style style, QWidget* parent) : QLabel(parent)
{
    setFont(fontFor(style));
    setAutoFillBackground(true);
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

void MapLabel::mouseMoveEvent(QMouseEvent*) { emit MouseMove(); }
void MapLabel::enterEvent(QEnterEvent*) { emit MouseMove(); }
void MapLabel::mouseDoubleClickEvent(QMouseEvent*) { emit DblClick(); }
