// The program's own window pictures: the start image and the two dialog banners.
#include <QDir>

#include "Generator.h"
#include "PaintCommon.h"
#include "Rng.h"
#include "WorldModel.h"

namespace {

QImage StartImage()
{
    Rng rng(0x57A27ull);
    QImage image = Parchment(945, 691, QColor(228, 212, 170), rng);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A faint coastline in the background, like a map yet to be chosen.
    QColor faint = Ink::Faded;
    faint.setAlpha(70);
    p.setPen(QPen(faint, 2));
    p.setBrush(QColor(120, 150, 140, 30));
    p.drawPath(SmoothPath(NoisyBlob(QPointF(472, 360), 360, 250, 0.22, 200, rng), true));
    DrawCompass(p, QPointF(472, 400), 150);
    DrawLabel(p, QPointF(472, 130), "Karvenna", MapFont("title", 110, true), Ink::Red.darker(110), QColor(245, 235, 210, 200));
    DrawLabel(p, QPointF(472, 620), QString::fromUtf8("Karten von Thornvale"), MapFont("book", 28, false, true),
              Ink::Brown, QColor(245, 235, 210, 200));
    p.setPen(QPen(Ink::Brown, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 8, 929, 675));
    p.setPen(QPen(Ink::Brown, 1));
    p.drawRect(QRectF(14, 14, 917, 663));
    p.end();
    AgeEdges(image);
    return image;
}

QImage Banner(int width, int height, bool compass)
{
    Rng rng(quint64(width) * 7919 + height);
    QImage image = Parchment(width, height, QColor(228, 212, 170), rng);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (compass) {
        DrawCompass(p, QPointF(width / 2.0, height * 0.42), width * 0.28);
        DrawLabel(p, QPointF(width / 2.0, height * 0.86), "Karvenna", MapFont("title", height * 0.16, true), Ink::Red,
                  QColor(245, 235, 210, 200));
    } else {
        DrawCompass(p, QPointF(height * 0.5, height * 0.52), height * 0.34);
        DrawLabel(p, QPointF(width * 0.62, height * 0.42), "Karvenna", MapFont("title", height * 0.38, true), Ink::Red,
                  QColor(245, 235, 210, 200));
        DrawLabel(p, QPointF(width * 0.62, height * 0.75), "Thornvale", MapFont("book", height * 0.14, false, true),
                  Ink::Brown, QColor(245, 235, 210, 200));
    }
    p.setPen(QPen(Ink::Brown, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, width - 4, height - 4));
    p.end();
    AgeEdges(image);
    return image;
}

} // namespace

bool GenerateResources(const QString& dir)
{
    QDir().mkpath(dir + "/main");
    QDir().mkpath(dir + "/about");
    QDir().mkpath(dir + "/print");
    return StartImage().save(dir + "/main/start.jpg", "JPG", 88)
           && Banner(400, 151, false).save(dir + "/about/banner.png", "PNG")
           && Banner(149, 155, true).save(dir + "/print/banner.png", "PNG");
}
