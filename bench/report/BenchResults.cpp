#include "BenchResults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cstdio>

namespace BenchResults {

namespace {

double nanoseconds(double value, const QString& unit)
{
    if (unit == u"us")
        return value * 1e3;
    if (unit == u"ms")
        return value * 1e6;
    if (unit == u"s")
        return value * 1e9;
    return value;
}

} // namespace

QHash<QString, double> Run(const QString& program, const QStringList& arguments)
{
    QHash<QString, double> medians;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setReadChannel(QProcess::StandardOutput);
    process.start(program, arguments + QStringList{QStringLiteral("--benchmark_format=json")});
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed:\n%s\n", qPrintable(program),
                     process.readAllStandardError().constData());
        return medians;
    }
    const QJsonArray runs =
        QJsonDocument::fromJson(process.readAllStandardOutput()).object().value(u"benchmarks").toArray();
    QHash<QString, QList<double>> samples;
    for (const QJsonValue& value : runs) {
        const QJsonObject run = value.toObject();
        // "naive_first/M/iterations:1/repeats:3" counts as "naive_first/M".
        QString name = run.value(u"run_name").toString();
        // Benchmarks that wait for the disk are timed by the clock on the wall.
        const bool wall = name.contains(u"/real_time"_qs);
        for (const QString& suffix : {u"/iterations:"_qs, u"/repeats:"_qs, u"/process_time"_qs, u"/real_time"_qs})
            if (const qsizetype at = name.indexOf(suffix); at >= 0)
                name.truncate(at);
        const double ns = nanoseconds(run.value(wall ? u"real_time" : u"cpu_time").toDouble(),
                                      run.value(u"time_unit").toString());
        static const QStringList standard = {u"cpu_time"_qs, u"real_time"_qs, u"iterations"_qs,
                                             u"repetitions"_qs, u"repetition_index"_qs,
                                             u"threads"_qs, u"per_family_instance_index"_qs,
                                             u"family_index"_qs};
        const bool aggregate = run.value(u"run_type").toString() == u"aggregate";
        // Counters beside the times ("index_bytes", "mem_zoom1_mb") are reported as
        // "name#counter": the median's, or the one run's when there are no aggregates.
        if (!aggregate || run.value(u"aggregate_name").toString() == u"median") {
            for (auto it = run.constBegin(); it != run.constEnd(); ++it)
                if (it.value().isDouble() && !standard.contains(it.key()))
                    medians.insert(name + u'#' + it.key(), it.value().toDouble());
        }
        if (aggregate) {
            if (run.value(u"aggregate_name").toString() == u"median")
                medians.insert(name, ns);
        } else {
            samples[name].append(ns);
        }
    }
    // A single repetition has no aggregates: its one run is the median.
    for (auto it = samples.cbegin(); it != samples.cend(); ++it)
        if (!medians.contains(it.key()) && it.value().size() == 1)
            medians.insert(it.key(), it.value().first());
    return medians;
}

} // namespace BenchResults
