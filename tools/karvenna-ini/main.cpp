// karvenna-ini: shows what Karvenna reads from a profile file, and writes values the way it does.
#include "modules/IniOps.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

const char kUsage[] =
    "Usage: karvenna-ini get FILE SECTION KEY [DEFAULT]\n"
    "       karvenna-ini keys FILE SECTION\n"
    "       karvenna-ini sections FILE\n"
    "       karvenna-ini set FILE SECTION KEY VALUE\n"
    "\n"
    "get       the value as the program reads it (cut to 2047 characters; DEFAULT when empty)\n"
    "keys      the keys of the section whose header line is exactly [SECTION], one a line\n"
    "sections  every section header in file order, one a line\n"
    "set       writes KEY=VALUE into SECTION, creating file, section and key as needed\n";

void printLine(const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.at(0);
    const qsizetype count = args.size() - 1;

    if (command == u"get" && (count == 3 || count == 4)) {
        printLine(IniOps::ReadIni(args[1], args[2], args[3], count == 4 ? args[4] : QString()));
    } else if (command == u"keys" && count == 2) {
        for (const QString& key : IniOps::GetIniKeys(args[1], args[2]))
            printLine(key);
    } else if (command == u"sections" && count == 1) {
        for (const QString& name : IniOps::GetIniSections(args[1]))
            printLine(name);
    } else if (command == u"set" && count == 4) {
        IniOps::WriteIni(args[1], args[2], args[3], args[4]);
    } else if (command == u"--help" || command == u"-h" || command == u"help") {
        std::fputs(kUsage, stdout);
    } else {
        return usage();
    }
    std::fflush(stdout);
    return 0;
}
