#include "modules/lint/InfoLint.h"

#include "modules/lint/ProfileScan.h"
#include "modules/FileSystem.h"
#include "modules/IniOps.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace Lint {

namespace {

const QString kInfo = QStringLiteral("info");
// Pictures beyond this many pixels take more memory than a portrait is worth.
constexpr qint64 kMaxPixels = qint64(8192) * 8192;

bool isInside(const QString& path, const QString& home)
{
    const QString canonicalHome = QFileInfo(home).canonicalFilePath();
    QString resolved = QFileInfo(path).canonicalFilePath();
    if (resolved.isEmpty())
        resolved = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString base = canonicalHome.isEmpty() ? home : canonicalHome;
    return resolved.startsWith(base + QLatin1Char('/'));
}

QString pictureProblem(const QString& path)
{
    QImageReader reader(path);
    if (!reader.canRead())
        return QStringLiteral("is not a picture the program can read");
    const QSize size = reader.size();
    if (!size.isValid())
        return QStringLiteral("has no readable size");
    if (qint64(size.width()) * size.height() > kMaxPixels)
        return QStringLiteral("is %1 x %2 pixels, too big to show").arg(size.width()).arg(size.height());
    // A small decode finds pictures that are cut off or broken inside.
    reader.setScaledSize(size.scaled(QSize(64, 64), Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    if (reader.read().isNull())
        return QStringLiteral("cannot be decoded: %1").arg(reader.errorString());
    return {};
}

} // namespace

void CheckDescriptions(const Installation& installation, Report& report)
{
    const QString& file = installation.infoFile;
    const ProfileScan scan(file);
    if (!scan.exists()) {
        report.warning(file, 0, QStringLiteral("missing; no entity has a description"));
        return;
    }
    scan.reportTextProblems(report);
    for (const Entity& entity : installation.entities) {
        const QString key = entity.name.toLower();
        const QString text = IniOps::ReadIni(file, kInfo, key, QString());
        if (text.isEmpty()) {
            report.info(entity.file, entity.line, QStringLiteral("\"%1\" has no description").arg(entity.name));
            continue;
        }
        if (!text.startsWith(QLatin1Char('#')))
            continue;
        const QString target = text.mid(1).trimmed();
        if (IniOps::ReadIni(file, kInfo, target, QString()).isEmpty())
            report.warning(file, scan.lineOf(kInfo, key),
                           QStringLiteral("description of \"%1\" refers to \"%2\", which has none")
                               .arg(entity.name, target));
    }
}

void CheckPictureIndex(const Installation& installation, Report& report)
{
    const QString file = installation.picturesFolder + QStringLiteral("pic.ini");
    const ProfileScan scan(file);
    if (!scan.exists())
        return;
    scan.reportTextProblems(report);
    const ScannedSection* pics = scan.section(QStringLiteral("pics"));
    if (!pics)
        return;
    for (const ScannedEntry& entry : pics->entries) {
        QString relative = IniOps::ReadIni(file, pics->name, entry.key, QString());
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (relative.isEmpty())
            continue;
        const QString path = FileSystem::FindFile(installation.picturesFolder + relative);
        if (!isInside(path, installation.home)) {
            report.warning(file, entry.line, QStringLiteral("picture of \"%1\" lies outside the installation: %2")
                                                 .arg(entry.key, relative));
            continue;
        }
        if (!QFileInfo(path).isFile()) {
            report.warning(file, entry.line, QStringLiteral("picture of \"%1\" is missing: %2").arg(entry.key, relative));
            continue;
        }
        if (const QString problem = pictureProblem(path); !problem.isEmpty())
            report.warning(file, entry.line, QStringLiteral("picture of \"%1\" (%2) %3").arg(entry.key, relative, problem));
    }
}

} // namespace Lint
