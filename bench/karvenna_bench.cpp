// The in-process benchmarks of `make bench`. Each measured operation has its reference
// beside it (the floor, the naive design, a plain repaint, a plain hash lookup); the report
// divides their medians.
#include "BenchSetup.h"
#include "DisplayBench.h"
#include "ProgressBench.h"
#include "Floor.h"
#include "NaiveProfile.h"
#include "ZoomBench.h"
#include "ResultsBench.h"
#include "modules/search/SearchCache.h"
#include "modules/info/DescriptionLookup.h"
#include "forms/main/frmMain.h"
#include "modules/FileSystem.h"
#include "modules/IniCache.h"
#include "modules/IniOps.h"
#include "modules/Session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>

using BenchSetup::Install;

namespace {

// No name begins with it: the search scans every record.
const QString kMissingTerm = QStringLiteral("Zzz");

// What a first search finds: nothing parsed, no records.
void ForgetEverything()
{
    IniCache::Clear();
    BenchSetup::TheSession().search.SearchCache.clear();
}

int FirstSearch(Install install)
{
    Session& session = BenchSetup::TheSession();
    SearchState& state = session.search;
    const QString folder = BenchSetup::Folder(install);
    const QString info = BenchSetup::InfoFile(install);
    QList<Search::MapFile> maps;
    for (const QString& id : Synthetic::MapIds())
        maps.append({folder + u'/' + id + u".data"_qs, folder + u'/' + id + u".jpg"_qs});
    Search::CacheMaps(state, session.language, maps, info);
    return Search::FindMatch(session.language, state, 0, kMissingTerm, 0,
                             Search::NameForm::LocalizeAgain);
}

void BM_FirstSearch(benchmark::State& st, Install install)
{
    BenchSetup::UseGerman();
    for (auto _ : st) {
        // Freeing the previous run's records and files is no part of a first search.
        st.PauseTiming();
        ForgetEverything();
        st.ResumeTiming();
        benchmark::DoNotOptimize(FirstSearch(install));
    }
    st.counters["records"] = double(BenchSetup::TheSession().search.SearchCache.size());
}

void BM_Floor(benchmark::State& st, Install install)
{
    QStringList files = BenchSetup::DataFiles(install);
    files.append(BenchSetup::InfoFile(install));
    for (auto _ : st)
        benchmark::DoNotOptimize(Floor::ReadAndSplit(files));
}

void BM_NaiveFirstSearch(benchmark::State& st, Install install)
{
    BenchSetup::UseGerman();
    const QString folder = BenchSetup::Folder(install);
    const QString info = BenchSetup::InfoFile(install);
    QList<SearchRecord> records;
    for (auto _ : st) {
        st.PauseTiming();
        records.clear();
        st.ResumeTiming();
        for (const QString& id : Synthetic::MapIds())
            NaiveProfile::CacheEntities(folder + u'/' + id + u".data"_qs,
                                        folder + u'/' + id + u".jpg"_qs, info, records);
        benchmark::DoNotOptimize(Search::FindMatch(BenchSetup::TheSession().language, records, 0,
                                                   kMissingTerm, 0,
                                                   Search::NameForm::LocalizeAgain));
    }
}

// F3 after a hit on the first record, when the only other hit is the last record.
void BM_FindAgain(benchmark::State& st, Install install)
{
    BenchSetup::UseGerman();
    ForgetEverything();
    FirstSearch(install);
    Session& session = BenchSetup::TheSession();
    SearchState& state = session.search;
    const QString term = state.SearchCache.last().name;
    for (auto _ : st)
        benchmark::DoNotOptimize(
            Search::FindMatch(session.language, state, 1, term, 0, Search::NameForm::AsStored));
}

void BM_ShowCategory(benchmark::State& st)
{
    BenchSetup::UseGerman();
    frmMain& main = DisplayBench::Main();
    int turn = 0;
    // A display changes the map area only: that is what the window paints again.
    QWidget* area = main.mapArea();
    for (; turn < 2; ++turn) {  // files parsed, pictures decoded before the clock runs
        DisplayBench::ShowCategory(turn);
        area->repaint();
    }
    for (auto _ : st) {
        DisplayBench::ShowCategory(turn++);
        area->repaint();
    }
}

// Two window sizes in turn; each resize replays the 81-entry category.
const QSize kSizes[2] = {QSize(945, 691), QSize(800, 600)};

void BM_ResizeReplay(benchmark::State& st)
{
    BenchSetup::UseGerman();
    frmMain& main = DisplayBench::Main();
    DisplayBench::ShowCategory(0);
    main.repaint();
    int turn = 0;
    for (auto _ : st) {
        const QSize size = kSizes[turn++ % 2];
        main.resizeMapArea(size.width(), size.height());
        main.repaint();
    }
    main.resizeMapArea(kSizes[0].width(), kSizes[0].height());
}

void BM_PlainRepaint(benchmark::State& st)
{
    DisplayBench::PlainMap& plain = DisplayBench::Plain();
    for (auto _ : st)
        plain.repaint();
}

void BM_PlainResizeRepaint(benchmark::State& st)
{
    DisplayBench::PlainMap& plain = DisplayBench::Plain();
    int turn = 0;
    for (auto _ : st) {
        plain.resize(kSizes[turn++ % 2]);
        plain.repaint();
    }
    plain.resize(kSizes[0]);
}

// English names shown on the map, one per section of the first map.
QStringList HoverNames(Install install)
{
    const Synthetic::Size size = BenchSetup::SizeOf(install);
    QStringList names;
    for (int s = 0; s < size.sectionsPerMap; ++s)
        names.append(Synthetic::EnglishName(size, 0, s, s % size.entriesPerSection));
    return names;
}

void BM_HoverDescribe(benchmark::State& st, Install install)
{
    BenchSetup::UseEnglish(install);
    const QStringList names = HoverNames(install);
    // Steady state: the description file is parsed (or parsed again, when another benchmark
    // made the cache drop it) before the clock runs.
    for (const QString& name : names)
        DescriptionLookup::Describe(BenchSetup::TheSession(), name);
    qsizetype i = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(DescriptionLookup::Describe(BenchSetup::TheSession(), names[i++ % names.size()]));
    BenchSetup::UseGerman();
}

void BM_HoverHash(benchmark::State& st, Install install)
{
    const Synthetic::Size size = BenchSetup::SizeOf(install);
    QHash<QString, QString> descriptions;
    QStringList keys;
    for (int s = 0; s < size.sectionsPerMap; ++s)
        keys.append(Synthetic::EntityName(size, 0, s, s % size.entriesPerSection).toLower());
    for (const QString& key : std::as_const(keys))
        descriptions.insert(key, IniOps::ReadIni(BenchSetup::InfoFile(install), u"info"_qs, key, {}));
    qsizetype i = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(descriptions.value(keys[i++ % keys.size()]));
}

// The same 81-entry display, half of it found or nothing found, the windows in turn.
void BM_ShowProgress(benchmark::State& st, bool marked)
{
    BenchSetup::UseGerman();
    int turn = 0;
    for (; turn < 2; ++turn)
        ProgressBench::ShowCategory(marked, turn);
    for (auto _ : st)
        ProgressBench::ShowCategory(marked, turn++);
}

// One mark: one committed transaction.
void BM_Mark(benchmark::State& st)
{
    int turn = 0;
    ProgressBench::Mark(turn++);
    for (auto _ : st)
        ProgressBench::Mark(turn++);
}

// A folder as copied from Windows: 2000 pictures, named in another case than asked for.
struct WindowsFolder
{
    QTemporaryDir dir;
    QStringList asked;
    WindowsFolder()
    {
        QDir().mkpath(dir.filePath(u"Pics/Creatures"_qs));
        for (int i = 0; i < 2000; ++i) {
            QFile file(dir.filePath(u"Pics/Creatures/Wolf_%1.JPG"_qs.arg(i)));
            file.open(QIODevice::WriteOnly);
            file.write("x");
            asked.append(dir.filePath(u"Pics/Creatures/wolf_%1.jpg"_qs.arg(i)));
        }
    }
};

// Found without regard to case: what a hover costs on such an installation.
void BM_FileExistsByCase(benchmark::State& st)
{
    static WindowsFolder folder;
    qsizetype i = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(FileSystem::FileExists(folder.asked[i++ % folder.asked.size()]));
}

// The same files asked for by their names on disk.
void BM_FileExistsExact(benchmark::State& st)
{
    static WindowsFolder folder;
    QStringList exact;
    for (const QString& asked : std::as_const(folder.asked))
        exact.append(FileSystem::FindFile(asked));
    qsizetype i = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(FileSystem::FileExists(exact[i++ % exact.size()]));
}

void Register()
{
    // CPU time of the whole process: Qt scales pictures on worker threads, and the machines
    // these run on are shared, so wall time says little.
    const auto RegisterBenchmark = [](const char* name, auto&&... args) {
        return benchmark::RegisterBenchmark(name, std::forward<decltype(args)>(args)...)
            ->MeasureProcessCPUTime();
    };
    const auto ms = benchmark::kMillisecond;
    const auto us = benchmark::kMicrosecond;
    RegisterBenchmark("search_first/L", BM_FirstSearch, Install::L)->Unit(ms);
    RegisterBenchmark("floor/L", BM_Floor, Install::L)->Unit(ms);
    RegisterBenchmark("search_first/M", BM_FirstSearch, Install::M)->Unit(ms);
    // Seconds per run: three runs are enough to see how far it is.
    RegisterBenchmark("naive_first/M", BM_NaiveFirstSearch, Install::M)
        ->Unit(ms)
        ->Iterations(1)
        ->Repetitions(3);
    RegisterBenchmark("find_again/L", BM_FindAgain, Install::L)->Unit(us);
    RegisterBenchmark("show_category", BM_ShowCategory)->Unit(us);
    RegisterBenchmark("resize_replay", BM_ResizeReplay)->Unit(us);
    RegisterBenchmark("plain_repaint", BM_PlainRepaint)->Unit(us);
    RegisterBenchmark("plain_resize_repaint", BM_PlainResizeRepaint)->Unit(us);
    RegisterBenchmark("hover_describe/L", BM_HoverDescribe, Install::L)->Unit(us);
    RegisterBenchmark("hover_hash/L", BM_HoverHash, Install::L)->Unit(us);
    RegisterBenchmark("whole_map_repaint", ZoomBench::WholeMapRepaint)->Unit(us);
    RegisterBenchmark("zoom_step", ZoomBench::ZoomStep)->Unit(us);
    RegisterBenchmark("pan_frame", ZoomBench::PanFrame)->Unit(us);
    RegisterBenchmark("zoom_memory", ZoomBench::Memory)->Unit(ms)->Iterations(1);
    ResultsBench::Register();
    RegisterBenchmark("show_found_half", BM_ShowProgress, true)->Unit(us);
    RegisterBenchmark("show_found_none", BM_ShowProgress, false)->Unit(us);
    benchmark::RegisterBenchmark("mark", BM_Mark)->Unit(us)->UseRealTime();
    RegisterBenchmark("file_exists_by_case", BM_FileExistsByCase)->Unit(us);
    RegisterBenchmark("file_exists_exact", BM_FileExistsExact)->Unit(us);
}

} // namespace

int main(int argc, char* argv[])
{
    // Our own options first; Google Benchmark takes the rest.
    BenchSetup::Options& options = BenchSetup::options();
    options.dataFolder = QStringLiteral(KARVENNA_BENCH_DATA);
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tiny") == 0)
            options.tiny = true;
        else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc)
            options.dataFolder = QString::fromLocal8Bit(argv[++i]);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    Register();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ProgressBench::Release();
    DisplayBench::Release();
    BenchSetup::TheSession().closeProgress();
    return 0;
}
