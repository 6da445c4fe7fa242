// The smallest Qt Widgets program that does what Karvenna's start-up shows: a main window of
// the same size with a menu bar, painting the same JPEG. The start-up benchmark's reference.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class Picture : public QWidget
{
public:
    explicit Picture(const QString& path) : m_pixmap(path) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(rect(), m_pixmap);
        // Same hook as Karvenna's map view: report the first paint and end at once.
        static const bool exitAfterFirstPaint =
            qEnvironmentVariableIsSet("KARVENNA_EXIT_AFTER_FIRST_PAINT");
        if (exitAfterFirstPaint) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("first-paint %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            std::_Exit(0);
        }
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
