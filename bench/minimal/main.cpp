// The smallest Qt Widgets program that does what Karvenna's start-up shows: a main window of
// the same size with a menu bar, painting the same JPEG. The start-up benchmark's reference.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

namespace {

class Picture : public QWidget
{
public:
    // Named as Karvenna's map widget, whose first paint the benchmark times.
    explicit Picture(const QString& path) : m_pixmap(path)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setObjectName(QStringLiteral("imgMap"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(rect(), m_pixmap);
    }

private:
    QPixmap m_pixmap;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: karvenna-minimal PICTURE.jpg\n");
        return 2;
    }
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Beenden"),
                                                                   &app, &QApplication::quit);
    window.setCentralWidget(new Picture(QString::fromLocal8Bit(argv[1])));
    // Karvenna's map area: 14175 x 10365 twips at 15 twips per pixel.
    window.resize(945, 691 + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
