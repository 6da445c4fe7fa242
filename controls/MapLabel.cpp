#include "controls/MapLabel.h"

#include "controls/ctlLocation.h"
#include "controls/Fonts.h"
#include "modules/Twips2Pixel_Module.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace {

constexpr int kPadding = 2;  // pixels left of a name

struct Look
{
    MapLabel::Style style;
    quint32 fore, back;
    QSize size;
    int ratio;  // device pixel ratio x 1000
    QString caption;
    bool operator==(const Look&) const = default;
};

size_t qHash(const Look& look, size_t seed = 0)
{
    return qHashMulti(seed, int(look.style), look.fore, look.back, look.size.width(),
                      look.size.height(), look.ratio, look.caption);
}

QImage drawn(const Look& look, qreal ratio)
{
    // Opaque, as the usual 32-bit backing store: drawn by copying its rows.
    QImage picture(QSize(qRound(look.size.width() * ratio), qRound(look.size.height() * ratio)),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    MapLabel::paint(painter, QRect(QPoint(0, 0), look.size), look.style, look.caption, look.fore,
                    look.back);
    return picture;
}

} // namespace

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

int MapLabel::heightOf(Style style)
{
    static const int name = sizeFor(Style::Name, QStringLiteral("Ag")).height();
    static const int heading = sizeFor(Style::Heading, QStringLiteral("Ag")).height();
    return style == Style::Heading ? heading : name;
}

const QImage& MapLabel::look(Style style, const QString& caption, quint32 fore, quint32 back,
                             const QSize& size, qreal ratio)
{
    // Names repeat between displays, and a resize redraws every one of them: each look (text,
    // colours, size) is drawn once and then copied.
    static auto* const looks = new QHash<Look, QImage>;
    const Look look{style, fore, back, size, qRound(ratio * 1000), caption};
    if (const auto known = looks->constFind(look); known != looks->constEnd())
        return *known;
    if (looks->size() > 1024)
        looks->clear();
    return *looks->insert(look, drawn(look, ratio));
}

void MapLabel::paint(QPainter& painter, const QRect& rect, Style style, const QString& caption,
                     quint32 fore, quint32 back)
{
    painter.save();
    painter.fillRect(rect, ctlLocation::fromBgr(back));
    QFont font = fontFor(style);
    // Labels are laid out in screen pixels. A printer's painter is scaled to them, so its
    // text must be as large in those pixels as on screen, not in the printer's points.
    const int screenDpi = qRound(1440.0 / Twips2Pixel_Module::TwipsPerPixelY());
    const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : screenDpi;
    if (deviceDpi != screenDpi && deviceDpi > 0)
        font.setPointSizeF(font.pointSizeF() * screenDpi / deviceDpi);
    painter.setFont(font);
    painter.setPen(ctlLocation::fromBgr(fore));
    QRect text = rect;
    if (style == Style::Heading) {
        painter.drawText(text, Qt::AlignCenter, caption);
    } else {
        text.setLeft(rect.left() + kPadding);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
    painter.restore();
}
