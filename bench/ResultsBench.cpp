#include "ResultsBench.h"

#include "BenchSetup.h"
#include "modules/IniCache.h"
#include "modules/Session.h"
#include "modules/search/ResultSource.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>

using BenchSetup::Install;

namespace {

// What a player types, one key at a time: names, a typo, an umlaut spelt out, a word of the
// descriptions and a term that matches nothing.
const QStringList kTyped = {u"wolfbärgrotte"_qs, u"stein"_qs,  u"nebelhuette"_qs, u"sturmflak"_qs,
                            u"kräuter"_qs,       u"moor a012"_qs, u"zzqx"_qs};

QStringList keystrokes()
{
    QStringList terms;
    for (const QString& word : kTyped)
        for (qsizetype n = 1; n <= word.size(); ++n)
            terms.append(word.left(n));
    return terms;
}

ResultSource& Source(Install install)
{
    static std::unique_ptr<ResultSource> source;
    static Install built = Install::Display;
    if (!source || built != install) {
        IniCache::Clear();
        Session& session = BenchSetup::TheSession();
        session.search = SearchState();
        const QString folder = BenchSetup::Folder(install);
        QList<ResultSource::Map> maps;
        for (const QString& id : Synthetic::MapIds())
            maps.append({folder + u'/' + id + u".data"_qs, folder + u'/' + id + u".jpg"_qs});
        source = std::make_unique<ResultSource>(session, maps, BenchSetup::InfoFile(install));
        built = install;
    }
    source->refresh();
    return *source;
}

// One key of a typing session per iteration: most keys continue the term before them.
void BM_ResultsKey(benchmark::State& st, Install install)
{
    BenchSetup::UseGerman();
    ResultIndex& index = Source(install).index();
    const QStringList terms = keystrokes();
    qsizetype i = 0;
    size_t rows = 0;
    for (auto _ : st) {
        rows += index.match(terms[i++ % terms.size()]).size();
        benchmark::DoNotOptimize(rows);
    }
}

// Every key starts over: each entity is looked at, typos and descriptions included.
void BM_ResultsKeyFull(benchmark::State& st, Install install)
{
    BenchSetup::UseGerman();
    ResultIndex& index = Source(install).index();
    const QString terms[2] = {u"steiz"_qs, u"moorx"_qs};
    int i = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(index.match(terms[i++ % 2]).size());
}

void BM_ResultsMemory(benchmark::State& st, Install install)
{
    BenchSetup::UseGerman();
    ResultIndex& index = Source(install).index();
    for (auto _ : st)
        benchmark::DoNotOptimize(index.memoryBytes());
    qint64 files = QFileInfo(BenchSetup::InfoFile(install)).size();
    for (const QString& file : BenchSetup::DataFiles(install))
        files += QFileInfo(file).size();
    st.counters["index_bytes"] = double(index.memoryBytes());
    st.counters["file_bytes"] = double(files);
}

} // namespace

void ResultsBench::Register()
{
    const auto add = [](const char* name, auto&&... args) {
        return benchmark::RegisterBenchmark(name, std::forward<decltype(args)>(args)...)
            ->MeasureProcessCPUTime();
    };
    add("results_key/L", BM_ResultsKey, Install::L)->Unit(benchmark::kMillisecond);
    add("results_key_full/L", BM_ResultsKeyFull, Install::L)->Unit(benchmark::kMillisecond);
    add("results_memory/L", BM_ResultsMemory, Install::L)->Iterations(1);
}
