#include "BenchSetup.h"

#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace BenchSetup {

Options& options()
{
    static Options o;
    return o;
}

Synthetic::Size SizeOf(Install install)
{
    const bool tiny = options().tiny;
    switch (install) {
    case Install::L:
        return tiny ? Synthetic::Size{4, 5, 50} : Synthetic::Size{200, 100, 2000};
    case Install::M:
        return tiny ? Synthetic::Size{2, 5, 50} : Synthetic::Size{20, 100, 2000};
    case Install::Display:
        break;
    }
    return Synthetic::Size{2, 81, 200};
}

QString Folder(Install install)
{
    static const char* const names[] = {"L", "M", "display"};
    const Synthetic::Size size = SizeOf(install);
    const QString folder = QDir(options().dataFolder)
                               .filePath(QString::fromLatin1(names[int(install)]) +
                                         (options().tiny ? u"-tiny"_qs : QString()));
    if (!Synthetic::Ensure(folder, size, QStringLiteral(KARVENNA_SAMPLE_DIR))) {
        std::fprintf(stderr, "karvenna-bench: cannot write %s\n", qPrintable(folder));
        std::exit(1);
    }
    return folder;
}

QStringList DataFiles(Install install)
{
    const QString folder = Folder(install);
    QStringList files;
    for (const QString& id : Synthetic::MapIds())
        files.append(folder + u'/' + id + u".data"_qs);
    return files;
}

QString InfoFile(Install install) { return Folder(install) + u"/info.data"_qs; }

Session& TheSession()
{
    static Session session;
    return session;
}

void UseGerman()
{
    TheSession().language = LanguageState();
}

void UseEnglish(Install install)
{
    LanguageState& s = TheSession().language;
    s = LanguageState();
    s.LanguageName = QStringLiteral("English");
    s.LanguageStem = QStringLiteral("English");
    s.LanguageFolder = Folder(install) + u"/LANG/"_qs;
    s.LanguageFile = LOCAL::LanguageFileOf(s, s.LanguageStem);
    LOCAL::CacheTranslationTable(s);
    LOCAL::LocalizeName(s, QString());  // fills the region words that DelocalizeName uses
}

} // namespace BenchSetup
