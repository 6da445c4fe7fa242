// Zoom, pan and decluttered names through the command line on the sample installation: the
// dump's view and geometry, the snapshot of the zoomed view, names kept apart, the choice kept
// for the next start, and a print whose names are text.
#include "support/TestInstall.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr double kTwips = 15.0;

// Where the contract draws a control's centre for a view.
QPointF drawnCentre(const QJsonObject& control, const QJsonObject& view)
{
    const double zoom = view["zoom"].toDouble();
    return QPointF((control["left"].toInt() + control["width"].toInt() / 2.0
                    - view["originX"].toDouble()) * zoom / kTwips,
                   (control["top"].toInt() + control["height"].toInt() / 2.0
                    - view["originY"].toDouble()) * zoom / kTwips);
}

// The names a person sees, in pixels: label rectangles moved with their markers.
QList<QRect> visibleNames(const QJsonObject& dump)
{
    const QJsonObject controls = dump["controls"].toObject();
    const QJsonObject view = dump["view"].toObject();
    QList<QRect> names;
    for (int i = 0; i < 81; ++i) {
        const QJsonObject label = controls["lblDOT"].toArray()[i].toObject();
        if (!label["visible"].toBool() || label["decluttered"].toBool())
            continue;
        const QJsonObject dot = controls["DOT"].toArray()[i].toObject();
        const QPointF shift = drawnCentre(dot, view) - drawnCentre(dot, QJsonObject{{"zoom", 1.0}});
        names.append(QRect(qRound(label["left"].toInt() / kTwips + shift.x()),
                           qRound(label["top"].toInt() / kTwips + shift.y()),
                           qRound(label["width"].toInt() / kTwips),
                           qRound(label["height"].toInt() / kTwips)));
    }
    return names;
}

int overlaps(const QList<QRect>& names)
{
    int n = 0;
    for (qsizetype a = 0; a < names.size(); ++a)
        for (qsizetype b = a + 1; b < names.size(); ++b)
            n += names[a].intersects(names[b]) ? 1 : 0;
    return n;
}

} // namespace

class TestZoomBatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;

    BatchResult run(const QStringList& actions)
    {
        const BatchResult r = RunKarvenna(
            QStringList{"--home", KARVENNA_SAMPLE_DIR, "--batch", "--size", "1024x768"} + actions,
            {"KARVENNA_REGISTRY=" + m_work.filePath("registry.ini")});
        if (r.exitCode != 0)
            qWarning() << r.stdErr;
        return r;
    }

private slots:
    void initTestCase()
    {
        QFile registry(m_work.filePath("registry.ini"));
        QVERIFY(registry.open(QIODevice::WriteOnly));
        registry.write("[HKEY_CURRENT_USER\\Control Panel\\International]\nsLanguage=deu\n");
    }

    void zoomAndPanMoveTheViewNotTheLayout()
    {
        const QString snapshot = m_work.filePath("zoomed.png");
        const QJsonObject whole = run({"--open", "miCaldoraBandits"}).dump();
        const QJsonObject zoomed = run({"--open", "miCaldoraBandits", "--zoom", "4@100,520",
                                        "--pan", "30,-20", "--snapshot", snapshot})
                                       .dump();
        QCOMPARE(whole["view"].toObject(),
                 (QJsonObject{{"zoom", 1}, {"originX", 0}, {"originY", 0}, {"declutter", false}}));
        const QJsonObject view = zoomed["view"].toObject();
        QCOMPARE(view["zoom"].toDouble(), 4.0);
        // The point under 100,520 (the west camp) stays there, then the picture follows a drag
        // of 30,-20.
        QCOMPARE(view["originX"].toDouble(), 100 * kTwips * 0.75 - 30 * kTwips / 4);
        QCOMPARE(view["originY"].toDouble(), 520 * kTwips * 0.75 + 20 * kTwips / 4);
        // The layout itself is the whole map's.
        QCOMPARE(zoomed["controls"], whole["controls"]);

        // The snapshot shows the zoomed view: each marker's gold middle where the rule puts it.
        const QImage image(snapshot);
        QCOMPARE(image.size(), QSize(1024, 768));
        int checked = 0;
        for (const QJsonValue& v : zoomed["controls"]["DOT"].toArray()) {
            const QJsonObject dot = v.toObject();
            const QPoint at = drawnCentre(dot, view).toPoint();
            if (!dot["visible"].toBool() || !QRect(20, 40, 980, 700).contains(at))
                continue;
            const QColor c = image.pixelColor(at);
            QVERIFY2(c.red() > 200 && c.green() > 170 && c.blue() < 90,
                     qPrintable(QString("DOT:%1 at %2,%3").arg(dot["index"].toInt()).arg(at.x()).arg(at.y())));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    void badValuesAreRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("zoom beyond 8") << QStringList{"--zoom", "9"};
        QTest::newRow("zoom below 1") << QStringList{"--zoom", "0.5"};
        QTest::newRow("zoom not a number") << QStringList{"--zoom", "x2"};
        QTest::newRow("zoom point half given") << QStringList{"--zoom", "2@10"};
        QTest::newRow("pan one value") << QStringList{"--pan", "10"};
        QTest::newRow("declutter yes") << QStringList{"--declutter", "yes"};
    }
    void badValuesAreRefused()
    {
        QFETCH(QStringList, args);
        const BatchResult r = run(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.stdErr.contains("Usage"));
    }

    void declutterKeepsTheCampsNamesApartAndIsRemembered()
    {
        const QJsonObject plain = run({"--open", "miCaldoraBandits"}).dump();
        QVERIFY(overlaps(visibleNames(plain)) > 0);

        const QJsonObject one = run({"--open", "miCaldoraBandits", "--declutter", "on"}).dump();
        const QList<QRect> atOne = visibleNames(one);
        QCOMPARE(overlaps(atOne), 0);
        QVERIFY(atOne.size() > 1);
        QVERIFY(one["view"]["declutter"].toBool());

        // The next start remembers the choice; zoomed in, more names find room.
        const QJsonObject four = run({"--open", "miCaldoraBandits", "--zoom", "4"}).dump();
        QVERIFY(four["view"]["declutter"].toBool());
        const QList<QRect> atFour = visibleNames(four);
        QCOMPARE(overlaps(atFour), 0);
        QVERIFY2(atFour.size() > atOne.size(),
                 qPrintable(QString("%1 -> %2").arg(atOne.size()).arg(atFour.size())));

        // Pointing at a kept-back name's marker shows it, still marked as kept back.
        int kept = -1;
        for (int i = 0; i < 81 && kept < 0; ++i)
            if (one["controls"]["lblDOT"][i]["decluttered"].toBool())
                kept = i;
        QVERIFY(kept >= 0);
        const QString hover = QString("DOT:%1").arg(kept);
        const QJsonObject pointed = run({"--open", "miCaldoraBandits", "--hover", hover}).dump();
        QVERIFY(pointed["errors"].toArray().isEmpty());
        QVERIFY(pointed["controls"]["lblDOT"][kept]["decluttered"].toBool());

        const QJsonObject off = run({"--declutter", "off"}).dump();
        QVERIFY(!off["view"]["declutter"].toBool());
        const QJsonObject next = run({}).dump();
        QVERIFY(!next["view"]["declutter"].toBool());
    }

    void printHoldsTheZoomedViewWithNamesAsText()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = m_work.filePath("zoomed.pdf");
        const QJsonObject dump = run({"--open", "miCaldoraCities", "--zoom", "2", "--print",
                                      "PDF:landscape", "--pdf-file", pdf})
                                     .dump();
        QCOMPARE(dump["printed"].toArray().size(), 1);
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        // The names in view are in the page as text; one outside the zoomed view is not.
        const QJsonObject view = dump["view"].toObject();
        int inView = 0, outside = 0;
        for (const QJsonValue& v : dump["controls"]["lblDOT"].toArray()) {
            const QJsonObject label = v.toObject();
            const QString name = label["caption"].toString().trimmed();
            if (!label["visible"].toBool() || name.isEmpty())
                continue;
            const QJsonObject dot = dump["controls"]["DOT"][label["index"].toInt()].toObject();
            const QPointF at = drawnCentre(dot, view);
            if (QRectF(150, 100, 724, 568).contains(at)) {
                QVERIFY2(words.contains(name), qPrintable(name));
                ++inView;
            } else if (!QRectF(-200, -50, 1424, 868).contains(at)) {
                QVERIFY2(!words.contains(name), qPrintable(name));
                ++outside;
            }
        }
        QVERIFY(inView > 0);
        QVERIFY(outside > 0);
    }
};

QTEST_GUILESS_MAIN(TestZoomBatch)
#include "test_zoombatch.moc"
