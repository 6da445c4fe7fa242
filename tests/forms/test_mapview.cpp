// The map picture: decoded once and kept while its file stays the same, decoded again as soon
// as the file changes, even to another picture of the same size.
#include "forms/main/MapView.h"
#include "support/TestInstall.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QTest>

namespace {

void writePicture(const QString& path, QColor colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "PNG"));
}

QColor shown(MapView& view)
{
    return view.grab().toImage().pixelColor(10, 10);
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 8 && qAbs(a.green() - b.green()) < 8 &&
           qAbs(a.blue() - b.blue()) < 8;
}

} // namespace

class TestMapView : public QObject
{
    Q_OBJECT

private slots:
    void followsTheFile()
    {
        TestInstall install;
        const QString path = install.file("map.png");
        writePicture(path, Qt::red);
        MapView view;
        view.resize(128, 96);
        QVERIFY(view.loadFile(path));
        QVERIFY(near(shown(view), Qt::red));

        // Same size, same length on disk, only the time differs: still another picture.
        writePicture(path, Qt::blue);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                 QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(view.loadFile(path));
        QVERIFY(near(shown(view), Qt::blue));
    }

    void switchesBetweenKnownPictures()
    {
        TestInstall install;
        writePicture(install.file("a.png"), Qt::green);
        writePicture(install.file("b.png"), Qt::yellow);
        MapView view;
        view.resize(64, 48);
        QVERIFY(view.loadFile(install.file("a.png")));
        QVERIFY(view.loadFile(install.file("b.png")));
        QVERIFY(near(shown(view), Qt::yellow));
        QVERIFY(view.loadFile(install.file("a.png")));
        QVERIFY(near(shown(view), Qt::green));
    }

    void missingOrBrokenFilesLeaveAnEmptyMap()
    {
        TestInstall install;
        writePicture(install.file("a.png"), Qt::green);
        install.writeBytes("broken.png", "not a picture");
        MapView view;
        view.resize(64, 48);
        QVERIFY(view.loadFile(install.file("a.png")));
        QVERIFY(!view.loadFile(install.file("missing.png")));
        QVERIFY(!view.hasImage());
        QVERIFY(view.loadFile(install.file("a.png")));
        QVERIFY(!view.loadFile(install.file("broken.png")));
        QVERIFY(!view.hasImage());
        QFile::remove(install.file("a.png"));
        QVERIFY(!view.loadFile(install.file("a.png")));
    }
};

QTEST_MAIN(TestMapView)
#include "test_mapview.moc"
