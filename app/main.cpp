// Karvenna: the command line decides what runs, main() owns the services and the window.
#include "app/Actions.h"
#include "app/CommandLine.h"
#include "app/Dump.h"
#include "controls/ServiceSets.h"
#include "forms/main/frmMain.h"
#include "modules/Globals.h"
#include "modules/Session.h"
#include "modules/lint/InstallationLint.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

// --home, else the installation this user opened last, else the sample installed with the
// program. Needs the application object (the program's own folder).
QString homeOf(const CommandLine& cl, const UserConfig& user)
{
    return ChooseInstallation(cl.home, user, QCoreApplication::applicationDirPath());
}

// Reads the installation as the program will and reports what players would run into.
int check(int argc, char* argv[], const CommandLine& cl)
{
    // Picture checks need the image plug-ins, which need an application object; no window.
    QCoreApplication app(argc, argv);
    const QString home = homeOf(cl, UserConfig());
    const Lint::Report report = Lint::CheckInstallation(home);
    QTextStream out(stdout);
    report.print(out, home);
    out.flush();
    return report.count(Lint::Severity::Error) > 0 ? 1 : 0;
}

// False, with one line on stderr for each file, when the dump or the snapshot was not written.
bool writeOutputs(const frmMain& main, const CommandLine& cl)
{
    bool written = true;
    const auto fail = [&written](const char* what, const QString& file) {
        std::fprintf(stderr, "karvenna: cannot write the %s %s\n", what, qPrintable(file));
        written = false;
    };
    if (!cl.dumpFile.isEmpty() && !Dump::Write(main, cl.dumpFile))
        fail("dump", cl.dumpFile);
    if (!cl.snapshotFile.isEmpty() && !Dump::WriteSnapshot(main, cl.snapshotFile))
        fail("snapshot", cl.snapshotFile);
    return written;
}

int run(int argc, char* argv[], const CommandLine& cl)
{
    // Batch runs need no display.
    if (cl.batch && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(Globals::ProductTitle());
    // The desktop entry's id: window managers and docks match the window to it and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.karvenna.Karvenna"));

    // The program's state beyond one window; everything below gets it from here.
    Session session;
    Services services;
    if (cl.batch)
        UseRecordingServices(services, cl.pdfFile);
    else
        UseDesktopServices(services, &session.userConfig);
    session.ProgramFolder = homeOf(cl, session.userConfig);
    if (cl.startupLanguage)
        BatchActions::answerStartupLanguage(services, *cl.startupLanguage);

    frmMain main(session, services);
    if (cl.size)
        main.resizeMapArea(cl.size->width(), cl.size->height());
    // Batch runs leave the person's window and last installation alone.
    if (!cl.batch)
        main.rememberForUser(!cl.size);
    main.Create();
    services.dialogs->clearAnswers();
    if (!main.Load())
        return writeOutputs(main, cl) ? 0 : 1;
    if (cl.size)
        main.resizeMapArea(cl.size->width(), cl.size->height());

    BatchActions actions(main, services);
    if (cl.batch) {
        for (const QueuedAction& action : cl.actions) {
            if (main.ended())
                break;
            actions.run(action);
            QCoreApplication::processEvents();
        }
        return writeOutputs(main, cl) ? 0 : 1;
    }

    bool written = true;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] { written = writeOutputs(main, cl); });
    QTimer::singleShot(0, &main, [&] {
        for (const QueuedAction& action : cl.actions) {
            if (main.ended())
                break;
            actions.run(action);
        }
    });
    const int status = main.ended() ? 0 : app.exec();
    return written ? status : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString error;
    const std::optional<CommandLine> cl = ParseCommandLine(arguments, QDir::currentPath(), &error);
    if (!cl) {
        std::fprintf(stderr, "karvenna: %s\n%s", qPrintable(error), qPrintable(UsageText()));
        return 2;
    }
    if (cl->help) {
        std::fputs(qPrintable(HelpText()), stdout);
        return 0;
    }
    if (cl->version) {
        std::printf("%s\n", qPrintable(VersionText()));
        return 0;
    }
    if (cl->check)
        return check(argc, argv, *cl);
    return run(argc, argv, *cl);
}
