#include "ProgressBench.h"

#include "BenchSetup.h"
#include "controls/ServiceSets.h"
#include "forms/main/frmMain.h"
#include "modules/IniOps.h"
#include "modules/Session.h"
#include "modules/progress/ProgressStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QWindow>
#include <memory>

namespace ProgressBench {

namespace {

struct Window
{
    std::unique_ptr<Session> session = std::make_unique<Session>();
    std::unique_ptr<Services> services = std::make_unique<Services>();
    std::unique_ptr<frmMain> main;
};

std::unique_ptr<Window> windows[2];
std::unique_ptr<ProgressStore> markStore;

QString storeFile(const QString& name)
{
    const QString folder = BenchSetup::options().dataFolder + u"/progress"_qs;
    QDir().mkpath(folder);
    const QString file = folder + u'/' + name;
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::remove(file + QLatin1String(suffix));
    return file;
}

Window& window(bool marked)
{
    std::unique_ptr<Window>& w = windows[marked];
    if (!w) {
        w = std::make_unique<Window>();
        const QString folder = BenchSetup::Folder(BenchSetup::Install::Display);
        qputenv("KARVENNA_REGISTRY", (folder + u"/registry.ini"_qs).toLocal8Bit());
        w->session->ProgramFolder = folder;
        w->session->progressFile = storeFile(marked ? u"marked.sqlite"_qs : u"empty.sqlite"_qs);
        UseDesktopServices(*w->services);
        w->main = std::make_unique<frmMain>(*w->session, *w->services);
        w->main->Create();
        if (!w->main->Load())
            qFatal("karvenna-bench: the display installation does not start");
        if (marked) {
            // Half of each category found: both looks are drawn, and every marker is looked up.
            for (int m = 0; m < 2; ++m) {
                const MapFiles& map = w->main->maps()[size_t(m)];
                const QStringList keys = IniOps::GetIniKeys(map.dataFile, Synthetic::SectionName(m));
                for (int i = 0; i < keys.size(); i += 2)
                    w->main->progress().setFound({map.id, keys[i]}, true);
            }
        }
        w->main->show();
        QElapsedTimer timer;
        timer.start();
        while (!(w->main->windowHandle() && w->main->windowHandle()->isExposed()) && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return *w;
}

} // namespace

void ShowCategory(bool marked, int turn)
{
    frmMain& main = *window(marked).main;
    const MapFiles& map = main.maps()[size_t(turn % 2)];
    main.ChangeMulti(map.picture, map.dataFile, Synthetic::SectionName(turn % 2), u"&Karte: &Orte"_qs,
                     false);
    main.mapArea()->repaint();
}

void Mark(int turn)
{
    if (!markStore)
        markStore = std::make_unique<ProgressStore>(storeFile(u"marks.sqlite"_qs));
    // Each turn changes the store: found and not found in turn, over a few entities.
    markStore->setFound({u"caldora"_qs, u"Ort %1"_qs.arg(turn / 2 % 16)}, turn % 2 == 0);
}

void Release()
{
    markStore.reset();
    windows[0].reset();
    windows[1].reset();
}

} // namespace ProgressBench
