#include "app/CommandLine.h"

#include "app/Actions.h"
#include "app/Dump.h"
#include "controls/DesktopViewers.h"
#include "controls/ModalRunner.h"
#include "modules/lint/InstallationLint.h"
#include "forms/main/frmMain.h"
#include "modules/Globals.h"
#include "modules/Session.h"
#include "platform/Automation.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>

#ifndef KARVENNA_DEFAULT_HOME
#define KARVENNA_DEFAULT_HOME "."
#endif

namespace {

const QStringList kValueOptions{"home", "size", "dump", "snapshot", "startup-language", "pdf-file"};

std::optional<QSize> parseSize(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > 16384 || h > 16384)
        return std::nullopt;
    return QSize(w, h);
}

void answerStartupLanguage(const QString& stem)
{
    ModalRunner::SetPendingAnswer(QStringLiteral("frmLang"), [stem](QDialog* dialog) {
        bool selected = false;
        QMetaObject::invokeMethod(dialog, "selectRowByStem", Qt::DirectConnection,
                                  Q_RETURN_ARG(bool, selected), Q_ARG(QString, stem));
        if (!selected) {
            Automation::instance().recordError(
                QStringLiteral("--startup-language: no language row %1").arg(stem));
            return;
        }
        if (auto* select = dialog->findChild<QPushButton*>(QStringLiteral("btnSelect")))
            select->click();
    });
}

void writeOutputs(const frmMain& main, const CommandLine& cl)
{
    if (!cl.dumpFile.isEmpty())
        Dump::Write(main, cl.dumpFile);
    if (!cl.snapshotFile.isEmpty())
        Dump::WriteSnapshot(main, cl.snapshotFile);
}

} // namespace

QString UsageText()
{
    return QStringLiteral(
        "Usage: karvenna [--home DIR] [--size WxH] [--batch] [ACTION...] [--dump FILE] [--snapshot FILE]\n"
        "       [--startup-language STEM] [--pdf-file FILE]\n"
        "Actions: --open NAME, --pick TEXT, --pick-index N, --hover CONTROL, --dblclick CONTROL,\n"
        "         --click btnInfo, --right-click X,Y, --resize WxH, --find TERM,\n"
        "         --find-mode names|descriptions, --find-cancel, --find-again, --perks ITEM:KEY,\n"
        "         --language TAG, --extras FILE, --print NAME:ORIENTATION, --about\n");
}

std::optional<CommandLine> ParseCommandLine(const QStringList& arguments, QString* error)
{
    CommandLine cl;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString arg = arguments[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("unexpected argument: %1").arg(arg);
            return std::nullopt;
        }
        const QString option = arg.mid(2);
        bool actionTakesValue = false;
        const bool isAction = Actions::IsAction(option, &actionTakesValue);
        const bool takesValue = kValueOptions.contains(option) || (isAction && actionTakesValue);
        if (option == QLatin1String("batch")) {
            cl.batch = true;
            continue;
        }
        if (!isAction && !kValueOptions.contains(option)) {
            *error = QStringLiteral("unknown option: %1").arg(arg);
            return std::nullopt;
        }
        QString value;
        if (takesValue) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a value").arg(arg);
                return std::nullopt;
            }
            value = arguments[++i];
        }
        if (option == QLatin1String("home")) {
            cl.home = value;
        } else if (option == QLatin1String("size")) {
            cl.size = parseSize(value);
            if (!cl.size) {
                *error = QStringLiteral("--size takes WxH in pixels, not %1").arg(value);
                return std::nullopt;
            }
        } else if (option == QLatin1String("dump")) {
            cl.dumpFile = value;
        } else if (option == QLatin1String("snapshot")) {
            cl.snapshotFile = value;
        } else if (option == QLatin1String("startup-language")) {
            cl.startupLanguage = value;
            cl.hasStartupLanguage = true;
        } else if (option == QLatin1String("pdf-file")) {
            cl.pdfFile = value;
        } else {
            if ((option == QLatin1String("resize") && !parseSize(value))
                || (option == QLatin1String("find-mode") && value != QLatin1String("names")
                    && value != QLatin1String("descriptions"))
                || (option == QLatin1String("pick-index")
                    && !QRegularExpression(QStringLiteral("^-?\\d{1,9}$")).match(value).hasMatch())
                || (option == QLatin1String("right-click")
                    && !QRegularExpression(QStringLiteral("^-?\\d{1,6},-?\\d{1,6}$")).match(value).hasMatch())) {
                *error = QStringLiteral("bad value for %1: %2").arg(arg, value);
                return std::nullopt;
            }
            cl.actions.emplace_back(option, value);
        }
    }
    return cl;
}

int RunKarvenna(int argc, char* argv[])
{
    if (const auto checked = Lint::RunCheckCommand(argc, argv, QStringLiteral(KARVENNA_DEFAULT_HOME)))
        return *checked;
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    QString error;
    const std::optional<CommandLine> parsed = ParseCommandLine(raw, &error);
    if (!parsed) {
        std::fprintf(stderr, "karvenna: %s\n%s", qPrintable(error), qPrintable(UsageText()));
        return 2;
    }
    const CommandLine& cl = *parsed;
    // Batch runs need no display.
    if (cl.batch && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(Globals::ProductTitle());
    InstallDesktopViewers();

    Automation& automation = Automation::instance();
    automation.setBatch(cl.batch);
    automation.pdfFile = cl.pdfFile;
    // The program's state beyond one window; everything below gets it from here.
    Session session;
    session.ProgramFolder = QDir::cleanPath(
        QFileInfo(cl.home.isEmpty() ? QStringLiteral(KARVENNA_DEFAULT_HOME) : cl.home).absoluteFilePath());
    if (cl.hasStartupLanguage)
        answerStartupLanguage(cl.startupLanguage);

    frmMain main(session);
    if (cl.size)
        main.resizeMapArea(cl.size->width(), cl.size->height());
    main.Create();
    ModalRunner::ClearPendingAnswers();
    if (!main.Load()) {
        writeOutputs(main, cl);
        return 0;
    }
    if (cl.size)
        main.resizeMapArea(cl.size->width(), cl.size->height());

    if (cl.batch) {
        for (const auto& [option, value] : cl.actions) {
            if (main.ended())
                break;
            Actions::Run(main, option, value);
            QCoreApplication::processEvents();
        }
        writeOutputs(main, cl);
        return 0;
    }

    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] { writeOutputs(main, cl); });
    QTimer::singleShot(0, &main, [&] {
        for (const auto& [option, value] : cl.actions) {
            if (main.ended())
                break;
            Actions::Run(main, option, value);
        }
    });
    return main.ended() ? 0 : app.exec();
}
