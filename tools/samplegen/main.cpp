// karvenna-samplegen OUTDIR            writes the sample installation
// karvenna-samplegen --verify DIR      checks that DIR's data and text files are what it would write
// karvenna-samplegen --resources DIR   draws the program's window pictures into DIR
#include <QGuiApplication>
#include <QTextStream>

#include "Generator.h"

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() == 2 && args[0] == QLatin1String("--verify"))
        return VerifySample(args[1]);
    if (args.size() == 2 && args[0] == QLatin1String("--resources"))
        return GenerateResources(args[1]) ? 0 : 1;
    if (args.size() == 1 && !args[0].startsWith(QLatin1String("--"))) {
        GeneratorOptions options;
        options.outDir = args[0];
        return GenerateSample(options) ? 0 : 1;
    }
    err << "usage: karvenna-samplegen OUTDIR | --verify DIR | --resources DIR\n";
    return 2;
}
