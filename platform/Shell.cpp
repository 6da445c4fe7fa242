#include "platform/Shell.h"

#include "platform/Automation.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace {

// Result codes of ShellExecuteA that callers compare against 32.
constexpr int kOpened = 42;
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;

Shell::Viewer& helpViewer()
{
    static Shell::Viewer viewer;
    return viewer;
}

Shell::Viewer& htmlViewer()
{
    static Shell::Viewer viewer;
    return viewer;
}

// "http:", "mailto:" ... A scheme needs two letters at least, so "C:" stays a drive.
bool isAddress(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(target).hasMatch();
}

bool isQuoted(const QString& target)
{
    return target.size() >= 2 && target.startsWith(QLatin1Char('"'))
           && target.endsWith(QLatin1Char('"'));
}

QString resolvedPath(const QString& path, const QString& directory)
{
    if (QDir::isAbsolutePath(path) || directory.isEmpty())
        return QDir::cleanPath(QDir::current().absoluteFilePath(path));
    return QDir::cleanPath(QDir(directory).absoluteFilePath(path));
}

// A 0-byte file cannot be a document; it counts as missing, in batch and in person alike.
bool isOpenableFile(const QFileInfo& info)
{
    return info.isDir() || (info.isFile() && info.size() > 0);
}

bool isCompiledHelp(const QString& path)
{
    return path.endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive);
}

} // namespace

namespace Shell {

void SetHelpViewer(Viewer viewer) { helpViewer() = std::move(viewer); }
void SetHtmlViewer(Viewer viewer) { htmlViewer() = std::move(viewer); }

int ShellExec(const QString& target, const QString& verb, const QString& directory)
{
    const bool batch = Automation::instance().batch();
    if (batch)
        Automation::instance().recordShellOpen(target, verb, directory);

    const QString trimmed = target.trimmed();
    const bool quoted = isQuoted(trimmed);
    const QString bare = quoted ? trimmed.mid(1, trimmed.size() - 2) : trimmed;
    if (bare.isEmpty())
        return kFileNotFound;

    if (!quoted && isAddress(bare)) {
        if (batch)
            return kOpened;
        return QDesktopServices::openUrl(QUrl(bare, QUrl::TolerantMode)) ? kOpened
                                                                          : kNoAssociation;
    }

    const QFileInfo info(resolvedPath(bare, directory));
    if (!isOpenableFile(info))
        return kFileNotFound;
    if (batch)
        return kOpened;

    if (isCompiledHelp(info.filePath())) {
        const Viewer& viewer = helpViewer();
        return viewer && viewer(info.absoluteFilePath()) ? kOpened : kNoAssociation;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))
               ? kOpened
               : kNoAssociation;
}

QStringList ParseCommandLine(const QString& commandLine)
{
    QStringList parts;
    QString current;
    bool inQuotes = false;
    bool started = false;   // "" is an argument of its own
    for (qsizetype i = 0; i < commandLine.size(); ++i) {
        const QChar c = commandLine[i];
        if (c == QLatin1Char('"') && inQuotes && i + 1 < commandLine.size()
            && commandLine[i + 1] == QLatin1Char('"')) {
            current.append(c);
            ++i;
        } else if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            started = true;
        } else if (!inQuotes && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (started)
                parts.append(current);
            current.clear();
            started = false;
        } else {
            current.append(c);
            started = true;
        }
    }
    if (started)
        parts.append(current);
    return parts;
}

QString QuoteArgument(const QString& argument)
{
    QString quoted = argument;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool StartProcess(const QString& commandLine)
{
    const QStringList parts = ParseCommandLine(commandLine);
    if (Automation::instance().batch()) {
        Automation::instance().recordShellRun(commandLine);
        return !parts.isEmpty() && !parts.first().isEmpty();
    }
    if (parts.isEmpty() || parts.first().isEmpty())
        return false;

    const QString program = parts.first();
    const QStringList arguments = parts.mid(1);
    const QString programName = program.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (programName.compare(QStringLiteral("mshta.exe"), Qt::CaseInsensitive) == 0) {
        const Viewer& viewer = htmlViewer();
        const QString page = arguments.value(0);
        return viewer && viewer(page.isEmpty() ? page : resolvedPath(page, QString()));
    }
    return QProcess::startDetached(program, arguments);
}

} // namespace Shell
