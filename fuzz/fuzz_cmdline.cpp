// Splitting process command lines: arbitrary text, and quoted arguments coming back whole.
#include "platform/Shell.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
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
    return 0;
}
