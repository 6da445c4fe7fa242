// Command lines: the program's own (options and actions), and the process command lines it
// splits into arguments. Arbitrary text must never crash either; what parses keeps its promises.
#include "app/CommandLine.h"
#include "platform/Shell.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QDir>

namespace {

void programCommandLine(FuzzedDataProvider& in)
{
    QStringList arguments{QStringLiteral("karvenna")};
    const int count = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < count; ++i) {
        // Mostly option-shaped words, so that the values behind them get reached too.
        QString word = QString::fromUtf8(in.ConsumeRandomLengthString(40));
        if (in.ConsumeBool())
            word.prepend(QStringLiteral("--"));
        arguments.append(word);
    }
    QString error;
    const std::optional<CommandLine> cl = ParseCommandLine(arguments, QStringLiteral("/start"), &error);
    if (!cl) {
        if (error.isEmpty())
            __builtin_trap();
        return;
    }
    // Every path given is absolute by now.
    for (const QString& path : {cl->home, cl->dumpFile, cl->snapshotFile, cl->pdfFile})
        if (!path.isEmpty() && !QDir::isAbsolutePath(path))
            __builtin_trap();
    if (cl->actions.size() > size_t(count))
        __builtin_trap();
}

void processCommandLine(FuzzedDataProvider& in)
{
    const QString line = QString::fromUtf8(in.ConsumeRandomLengthString(400));
    const QStringList parts = Shell::ParseCommandLine(line);
    for (const QString& part : parts)
        if (part.size() > line.size())
            __builtin_trap();

    // Any path quoted as the program quotes the documents it starts is one argument again.
    const QString path = QString::fromUtf8(in.ConsumeRemainingBytesAsString());
    const QStringList split = Shell::ParseCommandLine(QStringLiteral("mshta.exe ") + Shell::QuoteArgument(path));
    if (split.size() != 2 || split[1] != path)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    programCommandLine(in);
    processCommandLine(in);
    return 0;
}
