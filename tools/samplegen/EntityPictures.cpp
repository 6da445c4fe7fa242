#include "EntityPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

#include "PaintCommon.h"
#include "Rng.h"
#include "TextFiles.h"

namespace {

quint64 Fnv(const QString& s)
{
    quint64 h = 1469598103934665603ull;
    for (const QChar c : s) {
        h ^= c.unicode();
        h *= 1099511628211ull;
    }
    return h;
}

QString Slug(const QString& name)
{
    QString s = name.toLower();
    s.replace(QString::fromUtf8("ä"), "ae").replace(QString::fromUtf8("ö"), "oe").replace(QString::fromUtf8("ü"), "ue");
    s.replace(QString::fromUtf8("ß"), "ss").replace(QString::fromUtf8("å"), "aa");
    QString out;
    for (const QChar c : s)
        out += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar('_');
    while (out.contains("__"))
        out.replace("__", "_");
    return out.left(48).remove(QRegularExpression("^_+|_+$"));
}

QString Folder(const Entity& e)
{
    if (e.kind == QLatin1String("person") || e.kind == QLatin1String("orc"))
        return "portraits";
    if (e.kind == QLatin1String("place"))
        return "places";
    if (e.kind == QLatin1String("creature") || e.kind == QLatin1String("undead"))
        return "creatures";
    if (e.kind == QLatin1String("plant"))
        return "plants";
    return "objects";
}

QColor ClothOf(const QString& role)
{
    static const QHash<QString, QColor> colours{
        {"smith", QColor(90, 70, 60)}, {"hunter", QColor(80, 100, 50)}, {"ranger", QColor(60, 100, 60)},
        {"alchemist", QColor(110, 60, 120)}, {"druid", QColor(70, 110, 60)}, {"firemage", QColor(170, 40, 30)},
        {"watermage", QColor(40, 80, 160)}, {"paladin", QColor(200, 200, 210)}, {"priest", QColor(230, 225, 210)},
        {"merchant", QColor(150, 110, 40)}, {"bandit", QColor(60, 50, 45)}, {"nightblade", QColor(30, 30, 40)},
        {"nomad", QColor(210, 180, 120)}, {"chief", QColor(180, 130, 50)}, {"cultist", QColor(100, 20, 30)},
        {"ghost", QColor(180, 200, 220)}, {"ancestor", QColor(140, 150, 160)}, {"slave", QColor(150, 130, 100)}};
    return colours.value(role, QColor(120, 90, 60));
}

void Portrait(QPainter& p, const Entity& e, Rng& rng)
{
    const bool orc = e.kind == QLatin1String("orc");
    const bool ghost = e.role == QLatin1String("ghost") || e.role == QLatin1String("ancestor");
    QColor skin = orc ? QColor(100 + rng.range(-15, 15), 130 + rng.range(-15, 15), 70)
                      : QColor(225 + rng.range(-40, 10), 185 + rng.range(-45, 10), 150 + rng.range(-45, 10));
    if (ghost)
        skin = QColor(200, 215, 230, 200);
    const QColor cloth = ClothOf(e.role);
    const QColor hair = QColor::fromHsv(rng.range(15, 40), rng.range(60, 200), rng.range(30, 200));
    // Body.
    p.setPen(QPen(Ink::Brown, 1.5));
    p.setBrush(cloth);
    QPainterPath body;
    body.moveTo(18, 150);
    body.cubicTo(20, 105, 40, 98, 60, 98);
    body.cubicTo(80, 98, 100, 105, 102, 150);
    body.closeSubpath();
    p.drawPath(body);
    // Head.
    p.setBrush(skin);
    p.drawEllipse(QPointF(60, 66), 22, 27);
    if (!orc && !ghost) {
        p.setBrush(hair);
        QPainterPath h;
        h.moveTo(38, 64);
        h.cubicTo(36, 34, 84, 34, 82, 64);
        h.cubicTo(76, 48, 44, 48, 38, 64);
        p.drawPath(h);
        if (e.female) {
            p.drawRoundedRect(QRectF(36, 58, 8, 34), 4, 4);
            p.drawRoundedRect(QRectF(76, 58, 8, 34), 4, 4);
        } else if (rng.chance(0.5)) {
            p.drawChord(QRectF(44, 70, 32, 26), 180 * 16, 180 * 16);
        }
    }
    // Face.
    p.setPen(QPen(Ink::Brown, 1.2));
    p.setBrush(ghost ? QColor(60, 80, 120) : Ink::Brown);
    p.drawEllipse(QPointF(52, 64), 2.2, 2.2);
    p.drawEllipse(QPointF(68, 64), 2.2, 2.2);
    p.drawLine(QPointF(53, 80), QPointF(67, 80));
    if (orc) {
        p.setBrush(QColor(240, 235, 210));
        p.drawPolygon(QPolygonF({{50, 81}, {52, 73}, {54, 81}}));
        p.drawPolygon(QPolygonF({{66, 81}, {68, 73}, {70, 81}}));
    }
    // Headgear by trade.
    if (e.role.contains("mage") || e.role == QLatin1String("druid")) {
        p.setBrush(cloth.darker(120));
        p.drawPolygon(QPolygonF({{34, 52}, {60, 8}, {86, 52}}));
    } else if (e.role == QLatin1String("paladin") || e.role == QLatin1String("guard") || e.role == QLatin1String("warlord")) {
        p.setBrush(QColor(170, 170, 180));
        p.drawChord(QRectF(36, 36, 48, 40), 0, 180 * 16);
    } else if (e.role == QLatin1String("nightblade") || e.role == QLatin1String("cultist") || e.role == QLatin1String("thief")) {
        p.setBrush(cloth.darker(130));
        QPainterPath hood;
        hood.moveTo(32, 90);
        hood.cubicTo(30, 30, 90, 30, 88, 90);
        hood.cubicTo(84, 50, 36, 50, 32, 90);
        p.drawPath(hood);
    } else if (e.role == QLatin1String("nomad") || e.role == QLatin1String("chief")) {
        p.setBrush(QColor(235, 225, 200));
        p.drawChord(QRectF(34, 34, 52, 36), 0, 180 * 16);
    }
}

void Emblem(QPainter& p, const Entity& e, Rng& rng)
{
    QPainterPath shield;
    shield.moveTo(20, 20);
    shield.lineTo(100, 20);
    shield.lineTo(100, 80);
    shield.cubicTo(100, 115, 60, 135, 60, 135);
    shield.cubicTo(60, 135, 20, 115, 20, 80);
    shield.closeSubpath();
    const QColor field = QColor::fromHsv(int(Fnv(e.kind) % 360), 90, 200);
    p.setPen(QPen(Ink::Brown, 2));
    p.setBrush(field);
    p.drawPath(shield);
    p.save();
    p.translate(60, 72);
    p.scale(2.6, 2.6);
    const QString k = e.kind, r = e.role;
    if (k == QLatin1String("place")) {
        if (r == QLatin1String("town")) DrawTown(p, {0, 6}, 2, rng, Ink::Red);
        else if (r == QLatin1String("cave")) DrawCave(p, {0, 4});
        else if (r == QLatin1String("shrine")) DrawShrine(p, {0, 8});
        else if (r == QLatin1String("ruin")) DrawRuin(p, {0, 6}, rng);
        else if (r == QLatin1String("stone")) DrawStandingStone(p, {0, 6});
        else if (r == QLatin1String("mill")) DrawMill(p, {0, 8});
        else if (r == QLatin1String("tower")) DrawTower(p, {0, 10});
        else if (r == QLatin1String("tomb")) DrawTomb(p, {0, 6}, rng.chance(0.5));
        else if (r == QLatin1String("camp")) DrawTent(p, {0, 2}, QColor(200, 180, 140));
        else if (r == QLatin1String("forest")) { DrawTree(p, {-5, 8}, "oak", 9, rng); DrawTree(p, {5, 9}, "pine", 9, rng); }
        else if (r == QLatin1String("range")) DrawMountain(p, {0, 8}, 12, QColor(200, 190, 170), QColor(150, 140, 120), true);
        else {
            p.setPen(QPen(Ink::Water, 1.2));
            for (int i = -1; i <= 1; ++i)
                p.drawLine(QPointF(-9, i * 5), QPointF(9, i * 5));
        }
    } else if (k == QLatin1String("plant")) {
        p.setPen(QPen(QColor(50, 90, 40), 1.2));
        p.drawLine(QPointF(0, 12), QPointF(0, -8));
        p.setBrush(QColor(90, 150, 60));
        p.drawEllipse(QPointF(-5, -2), 5, 2.5);
        p.drawEllipse(QPointF(5, -6), 5, 2.5);
        p.setBrush(r.contains("beere") ? QColor(170, 30, 50) : QColor(220, 200, 60));
        p.drawEllipse(QPointF(0, -10), 3, 3);
    } else if (k == QLatin1String("creature") || k == QLatin1String("undead")) {
        p.setPen(Qt::NoPen);
        p.setBrush(Ink::Brown);
        p.drawEllipse(QPointF(0, 4), 6, 5);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(-7.5 + i * 5, -5 - (i == 1 || i == 2 ? 2 : 0)), 2.2, 2.8);
    } else if (k == QLatin1String("chest")) {
        p.setPen(QPen(Ink::Brown, 1));
        p.setBrush(QColor(140, 90, 40));
        p.drawRect(QRectF(-10, -4, 20, 12));
        p.drawChord(QRectF(-10, -10, 20, 12), 0, 180 * 16);
        p.setBrush(QColor(230, 190, 60));
        p.drawRect(QRectF(-2, -2, 4, 4));
    } else if (k == QLatin1String("key")) {
        p.setPen(QPen(QColor(90, 70, 20), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(-6, 0), 4, 4);
        p.drawLine(QPointF(-2, 0), QPointF(10, 0));
        p.drawLine(QPointF(7, 0), QPointF(7, 4));
    } else {
        // Potions, weapons and everything else: a bottle or a blade.
        p.setPen(QPen(Ink::Brown, 1));
        if (rng.chance(0.5)) {
            p.setBrush(QColor::fromHsv(rng.range(0, 359), 160, 200));
            p.drawEllipse(QPointF(0, 4), 7, 7);
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(-2, -8, 4, 6));
        } else {
            p.setBrush(QColor(210, 210, 220));
            p.drawPolygon(QPolygonF({{-1.5, 6}, {0, -12}, {1.5, 6}}));
            p.setBrush(QColor(150, 110, 40));
            p.drawRect(QRectF(-6, 6, 12, 2));
            p.drawRect(QRectF(-1, 8, 2, 5));
        }
    }
    p.restore();
}

} // namespace

QVector<Entry> PictureIndex(const Catalog& cat)
{
    QVector<Entry> index;
    QSet<QString> used;
    for (const Entity& e : cat.entities) {
        if (!e.hasPicture)
            continue;
        QString file = Folder(e) + '/' + Slug(e.name);
        QString candidate = file + ".jpg";
        for (int n = 2; used.contains(candidate); ++n)
            candidate = file + '_' + QString::number(n) + ".jpg";
        used.insert(candidate);
        index.push_back(Entry{e.name, candidate});
    }
    return index;
}

void WritePictureIndex(const Catalog& cat, const QString& outDir)
{
    WriteTextFile(outDir + "/PICS/pic.ini", IniText({Section{"pics", PictureIndex(cat)}}));
}

bool DrawEntityPictures(const Catalog& cat, const QString& outDir)
{
    for (const Entry& entry : PictureIndex(cat)) {
        const Entity* e = cat.find(entry.key);
        Rng rng(Fnv(e->name));
        QImage image = Parchment(120, 150, QColor(232, 218, 186), rng);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        if (Folder(*e) == QLatin1String("portraits"))
            Portrait(p, *e, rng);
        else
            Emblem(p, *e, rng);
        p.setPen(QPen(Ink::Brown, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 117, 147));
        p.end();
        const QString path = outDir + "/PICS/" + entry.value;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!image.save(path, "JPG", 85))
            return false;
    }
    return true;
}
