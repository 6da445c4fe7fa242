#include "forms/huntlist/HuntListPrint.h"

#include "modules/progress/HuntList.h"
#include "modules/progress/ProgressTexts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// Everything below is in points (1/72 inch).
constexpr qreal kRow = 30;
constexpr qreal kBox = 10;

} // namespace

namespace HuntListPrint {

int Paint(QPagedPaintDevice& device, const HuntList& list, const QString& profile,
          const LanguageState& language)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const QRectF page = device.pageLayout().paintRect(QPageLayout::Point);
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    // The page's printable area starts at the painter's origin.
    const qreal width = page.width();
    const qreal height = page.height();

    // Sizes in pixels of the scaled painter: points on paper.
    const auto font = [](int size, bool bold, bool italic) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(size);
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    };
    const QFont titleFont = font(14, true, false);
    const QFont nameFont = font(10, true, false);
    const QFont small = font(8, false, false);
    const QFont smallItalic = font(8, false, true);
    const auto text = [&language](const char* key, const QString& value = {}) {
        return ProgressTexts::Text(language, key, value);
    };
    const qreal positionX = width * 0.62;
    const qreal boxX = width - 50;

    int pageNumber = 0;
    qreal y = 0;
    const auto startPage = [&] {
        if (pageNumber > 0)
            device.newPage();
        ++pageNumber;
        y = 0;
        painter.setPen(Qt::black);
        painter.setFont(titleFont);
        QString title = text("HuntListTitle", list.title);
        if (!profile.isEmpty())
            title += QStringLiteral(" \u2013 ") + profile;
        painter.drawText(QRectF(0, y, width, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(titleFont).elidedText(title, Qt::ElideRight, width));
        y += 24;
        painter.setFont(small);
        painter.drawText(QRectF(0, y, width, 12), Qt::AlignLeft | Qt::AlignVCenter,
                         text("HuntListSummary", QStringLiteral("%1 / %2").arg(list.foundCount()).arg(list.entries.size())));
        painter.drawText(QRectF(0, y, width, 12), Qt::AlignRight | Qt::AlignVCenter,
                         text("HuntListPage", QString::number(pageNumber)));
        y += 18;
        painter.setFont(nameFont);
        painter.drawText(QRectF(0, y, positionX, 14), Qt::AlignLeft | Qt::AlignVCenter, text("HuntListName"));
        painter.drawText(QRectF(positionX, y, boxX - positionX, 14), Qt::AlignLeft | Qt::AlignVCenter,
                         text("HuntListPosition"));
        painter.drawText(QRectF(boxX - 20, y, 70, 14), Qt::AlignLeft | Qt::AlignVCenter, text("HuntListFound"));
        y += 16;
        painter.drawLine(QPointF(0, y), QPointF(width, y));
        y += 4;
    };

    startPage();
    for (const HuntEntry& e : list.entries) {
        if (y + kRow > height)
            startPage();
        painter.setPen(e.found ? QColor(120, 120, 120) : QColor(Qt::black));
        painter.setFont(nameFont);
        painter.drawText(QRectF(0, y, positionX - 8, 14), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(nameFont).elidedText(e.shown, Qt::ElideRight, positionX - 8));
        painter.setFont(small);
        painter.drawText(QRectF(positionX, y, boxX - positionX, 14), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%1, %2").arg(e.position.x()).arg(e.position.y()));
        const QRectF box(boxX, y + 2, kBox, kBox);
        painter.setPen(QPen(Qt::black, 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        if (e.found) {
            painter.setPen(QPen(Qt::black, 1.4));
            painter.drawLine(QPointF(box.left() + 2, box.center().y()), QPointF(box.left() + 4.5, box.bottom() - 2));
            painter.drawLine(QPointF(box.left() + 4.5, box.bottom() - 2), QPointF(box.right() - 1.5, box.top() + 1.5));
        }
        painter.setPen(QColor(90, 90, 90));
        painter.setFont(smallItalic);
        painter.drawText(QRectF(12, y + 14, width - 12, 12), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(smallItalic).elidedText(e.description, Qt::ElideRight, width - 12));
        y += kRow;
        painter.setPen(QPen(QColor(200, 200, 200), 0.5));
        painter.drawLine(QPointF(0, y - 2), QPointF(width, y - 2));
    }
    painter.end();
    return pageNumber;
}

} // namespace HuntListPrint
