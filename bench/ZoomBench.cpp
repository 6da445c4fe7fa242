#include "ZoomBench.h"

#include "DisplayBench.h"
#include "forms/main/MapView.h"
#include "forms/main/frmMain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <array>

namespace ZoomBench {

namespace {

// The wheel's steps, in and out again.
constexpr std::array kWheelSteps = {1.4142135623730951, 2.0, 2.8284271247461903, 4.0,
                                    5.656854249492381,  8.0, 5.656854249492381,  4.0,
                                    2.8284271247461903, 2.0};

// The largest sample map (frostmere, 1600 x 1200) with its 81 markers, at the whole map.
frmMain& ShowLargestMap()
{
    frmMain& main = DisplayBench::Main();
    DisplayBench::ShowCategory(1);
    main.mapView()->zoomTo(1.0);
    main.mapView()->repaint();
    return main;
}

// What the pointer aims at: off the middle, as a hand does.
QPointF Spot(const MapView& view) { return QPointF(view.width() * 0.4, view.height() * 0.6); }

double ResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

} // namespace

void WholeMapRepaint(benchmark::State& st)
{
    frmMain& main = ShowLargestMap();
    for (auto _ : st)
        main.mapView()->repaint();
}

void ZoomStep(benchmark::State& st)
{
    frmMain& main = ShowLargestMap();
    MapView& view = *main.mapView();
    size_t step = 0;
    for (auto _ : st) {
        view.zoomAbout(kWheelSteps[step++ % kWheelSteps.size()], Spot(view));
        // Paints what the step marked dirty, as the window's next frame does.
        main.mapArea()->repaint();
    }
    view.zoomTo(1.0);
}

void PanFrame(benchmark::State& st)
{
    frmMain& main = ShowLargestMap();
    MapView& view = *main.mapView();
    view.zoomAbout(4.0, Spot(view));
    // Pan frames come after the zoom has settled: the picture is drawn smoothly again.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    main.mapArea()->repaint();
    int frame = 0;
    for (auto _ : st) {
        // A drag to and fro, a few pixels per frame as the pointer reports them.
        const double dx = (frame++ / 20) % 2 ? 6.0 : -6.0;
        view.panBy(QPointF(dx, dx / 2));
        main.mapArea()->repaint();
    }
    view.zoomTo(1.0);
}

void Memory(benchmark::State& st)
{
    double wholeMap = 0, zoomed = 0;
    for (auto _ : st) {
        frmMain& main = ShowLargestMap();
        MapView& view = *main.mapView();
        wholeMap = ResidentMegabytes();
        // Zoom 8 in every corner and the middle, each painted.
        for (const QPointF at : {QPointF(0, 0), QPointF(view.width(), 0), QPointF(0, view.height()),
                                 QPointF(view.width(), view.height()), Spot(view)}) {
            view.zoomTo(1.0);
            view.zoomAbout(8.0, at);
            main.mapArea()->repaint();
        }
        zoomed = ResidentMegabytes();
        view.zoomTo(1.0);
    }
    st.counters["mem_zoom1_mb"] = wholeMap;
    st.counters["mem_zoom8_mb"] = zoomed;
}

} // namespace ZoomBench
