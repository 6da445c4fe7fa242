#include "modules/lint/NameCaseLint.h"

#include "modules/extras/ExtrasTable.h"
#include "modules/lint/ProfileScan.h"
#include "modules/FileSystem.h"
#include "modules/IniOps.h"

#include <QDir>

namespace Lint {

namespace {

class NameCheck
{
public:
    NameCheck(const QString& home, Report& report) : m_home(home), m_report(report) {}

    // written: the path as the program builds it from its own names and the data.
    void operator()(const QString& written)
    {
        if (!FileSystem::MatchesOnlyByCase(written))
            return;
        const QString found = FileSystem::FindFile(written);
        if (m_reported.contains(found))
            return;
        m_reported.append(found);
        m_report.info(found, 0, QStringLiteral("found only without regard to case: the program looks for \"%1\"")
                                    .arg(QDir(m_home).relativeFilePath(written)));
    }

private:
    QString m_home;
    Report& m_report;
    QStringList m_reported;
};

} // namespace

void CheckNameCase(const Installation& installation, Report& report)
{
    NameCheck check(installation.home, report);
    const ::Installation program(installation.home);
    const StartupSettings settings = program.readSettings();
    for (const char* name : {"karvenna.ini", "info.data", "karvenna.chm", "readme.html", "karvenna.wav"})
        check(program.path(QString::fromLatin1(name)));
    for (const QString& id : ::Installation::MapIds()) {
        check(program.path(id + QStringLiteral(".data")));
        check(program.path(id + QStringLiteral(".jpg")));
    }

    // Inside a folder, each name is judged on its own: the folder was reported once.
    check(program.path(settings.picsFolder));
    const QString index = installation.picturesFolder + QStringLiteral("pic.ini");
    check(index);
    const IniOps::Reader pictures(index);
    for (const IniOps::Reader::Entry& entry : pictures.GetIniEntries(QStringLiteral("pics"))) {
        QString relative = entry.value.toString().trimmed();
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!relative.isEmpty())
            check(installation.picturesFolder + relative);
    }

    check(program.path(settings.extrasFolder));
    for (const ExtrasDocument& document : ExtrasTable::Documents())
        check(installation.extrasFolder + QString::fromLatin1(document.file).toLower());

    check(program.path(settings.langFolder));
    QStringList stems = QDir(installation.languageFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (!settings.languageStem.isEmpty() && settings.languageStem != QLatin1String("Deutsch"))
        stems.prepend(settings.languageStem);
    for (const QString& stem : std::as_const(stems)) {
        const QString folder = installation.languageFolder + stem + u'/';
        check(installation.languageFolder + stem);
        for (const QString& name : {stem + QStringLiteral(".lng"), stem + QStringLiteral(".bmp"),
                                    QStringLiteral("info.data"), QStringLiteral("readme.html"),
                                    QStringLiteral("karvenna.chm")})
            check(folder + name);
    }
}

} // namespace Lint
