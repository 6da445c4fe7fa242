#include "DisplayBench.h"

#include "BenchSetup.h"
#include "controls/ServiceSets.h"
#include "forms/main/frmMain.h"
#include "modules/Session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWindow>
#include <memory>

namespace DisplayBench {

namespace {

std::unique_ptr<Services> services;
std::unique_ptr<frmMain> main;
std::unique_ptr<PlainMap> plain;

// repaint() paints nothing before the platform has exposed the window.
void waitUntilExposed(QWidget& widget)
{
    QElapsedTimer timer;
    timer.start();
    while (!(widget.windowHandle() && widget.windowHandle()->isExposed()) && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

} // namespace

frmMain& Main()
{
    if (!main) {
        const QString folder = BenchSetup::Folder(BenchSetup::Install::Display);
        qputenv("KARVENNA_REGISTRY", (folder + u"/registry.ini"_qs).toLocal8Bit());
        BenchSetup::UseGerman();
        BenchSetup::TheSession().ProgramFolder = folder;
        BenchSetup::TheSession().progressFile = folder + u"/progress.sqlite"_qs;
        services = std::make_unique<Services>();
        UseDesktopServices(*services);
        main = std::make_unique<frmMain>(BenchSetup::TheSession(), *services);
        main->Create();
        if (!main->Load())
            qFatal("karvenna-bench: the display installation does not start");
        waitUntilExposed(*main);
    }
    return *main;
}

void ShowCategory(int turn)
{
    frmMain& main = Main();
    const MapFiles& map = main.maps()[size_t(turn % 2)];
    main.ChangeMulti(map.picture, map.dataFile, Synthetic::SectionName(turn % 2),
                     u"&Karte: &Orte"_qs, false);
}

PlainMap::PlainMap(const QString& picture) : m_image(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlainMap::paintEvent(QPaintEvent*)
{
    // The picture stretched smoothly to the widget, scaled once per size: the least a window
    // that shows the map in Karvenna's quality has to do.
    QPainter painter(this);
    if (m_scaled.size() != size())
        m_scaled = QPixmap::fromImage(
            m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.drawPixmap(0, 0, m_scaled);
}

PlainMap& Plain()
{
    if (!plain) {
        plain = std::make_unique<PlainMap>(Main().maps()[0].picture);
        plain->resize(Main().mapArea()->size());
        plain->show();
        waitUntilExposed(*plain);
    }
    return *plain;
}

void Release()
{
    plain.reset();
    main.reset();
}

} // namespace DisplayBench
