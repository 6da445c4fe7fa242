#include "platform/Shell.h"

#include "modules/FileSystem.h"

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

// The file a Windows shell would open: relative to directory, in any case of its name.
QString resolvedPath(const QString& path, const QString& directory)
{
    const QString absolute = QDir::isAbsolutePath(path) || directory.isEmpty()
                                 ? QDir::current().absoluteFilePath(path)
                                 : QDir(directory).absoluteFilePath(path);
    return FileSystem::FindFile(QDir::cleanPath(absolute));
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

// What an open comes to before anything is shown: a missing target, an address, or a file.
struct Target
{
    bool missing = false;
    QString address;   // set for "scheme:" targets
    QFileInfo file;    // set for existing files and folders
};

Target classify(const QString& target, const QString& directory)
{
    const QString trimmed = target.trimmed();
    const bool quoted = isQuoted(trimmed);
    const QString bare = quoted ? trimmed.mid(1, trimmed.size() - 2) : trimmed;
    Target t;
    if (bare.isEmpty()) {
        t.missing = true;
    } else if (!quoted && isAddress(bare)) {
        t.address = bare;
    } else {
        t.file = QFileInfo(resolvedPath(bare, directory));
        t.missing = !isOpenableFile(t.file);
    }
    return t;
}

} // namespace

namespace Shell {

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

} // namespace Shell

DesktopShell::DesktopShell(Shell::Viewer helpViewer, Shell::Viewer htmlViewer)
    : m_helpViewer(std::move(helpViewer)), m_htmlViewer(std::move(htmlViewer))
{
}

int DesktopShell::open(const QString& target, const QString&, const QString& directory)
{
    const Target t = classify(target, directory);
    if (t.missing)
        return kFileNotFound;
    if (!t.address.isEmpty())
        return QDesktopServices::openUrl(QUrl(t.address, QUrl::TolerantMode)) ? kOpened
                                                                               : kNoAssociation;
    if (isCompiledHelp(t.file.filePath()))
        return m_helpViewer && m_helpViewer(t.file.absoluteFilePath()) ? kOpened : kNoAssociation;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(t.file.absoluteFilePath()))
               ? kOpened
               : kNoAssociation;
}

bool DesktopShell::start(const QString& commandLine)
{
    const QStringList parts = Shell::ParseCommandLine(commandLine);
    if (parts.isEmpty() || parts.first().isEmpty())
        return false;

    const QString program = parts.first();
    const QStringList arguments = parts.mid(1);
    const QString programName = program.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (programName.compare(QStringLiteral("mshta.exe"), Qt::CaseInsensitive) == 0) {
        const QString page = arguments.value(0);
        return m_htmlViewer && m_htmlViewer(page.isEmpty() ? page : resolvedPath(page, QString()));
    }
    return QProcess::startDetached(program, arguments);
}

int RecordingShell::open(const QString& target, const QString& verb, const QString& directory)
{
    m_record.recordShellOpen(target, verb, directory);
    return classify(target, directory).missing ? kFileNotFound : kOpened;
}

bool RecordingShell::start(const QString& commandLine)
{
    m_record.recordShellRun(commandLine);
    const QStringList parts = Shell::ParseCommandLine(commandLine);
    return !parts.isEmpty() && !parts.first().isEmpty();
}
