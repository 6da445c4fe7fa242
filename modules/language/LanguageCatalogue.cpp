#include "modules/language/LanguageCatalogue.h"

#include "modules/Contact.h"
#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/StringOps.h"
#include "modules/installation/Installation.h"

#include <QDir>

namespace LanguageCatalogue {

namespace {

const QString kGeneral = QStringLiteral("general");
const QString kGerman = QStringLiteral("Deutsch");

} // namespace

QString TrimBlanks(const QString& text)
{
    return StringOps::TrimSpaces(text);
}

QStringList EnumFoldersEx(const QString& path, bool fullPaths)
{
    QStringList names;
    const QDir dir(path);
    if (!path.isEmpty() && dir.exists()) {
        // Linux lists no "." and ".." of its own; callers skip the first two elements.
        names << QStringLiteral(".") << QStringLiteral("..");
        names += dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::NoSort);
    }
    if (fullPaths) {
        for (QString& name : names)
            name.prepend(path);
    }
    names.append(QString());
    return names;
}

QList<Row> FolderRows(const QString& languageFolder, const QStringList& entries)
{
    QList<Row> rows;
    for (qsizetype i = 2; i < entries.size() - 1; ++i) {
        const QString& f = entries.at(i);
        const QString base = languageFolder + f + u'/' + f;
        QString name = TrimBlanks(IniOps::ReadIni(base + QStringLiteral(".lng"), kGeneral,
                                                  QStringLiteral("Language"), QString()));
        if (name.isEmpty())
            name = QStringLiteral("?");
        rows.append(Row{u' ' + name, base + QStringLiteral(".lng"), base + QStringLiteral(".bmp")});
    }
    return rows;
}

Details FromFile(const QString& languageFile, const QString& flagPath)
{
    const auto read = [&](const char* key) {
        return IniOps::ReadIni(languageFile, kGeneral, QString::fromLatin1(key), QString());
    };
    Details d;
    d.name = read("language");
    d.version = read("version");
    d.author = read("author");
    d.website = read("website");
    d.email = read("email");
    d.flagPath = flagPath;
    return d;
}

Details German(const QString& versionText)
{
    return Details{kGerman, versionText, Contact::Maker(), Contact::WebHost(),
                   Contact::EMail(), QString()};
}

QString FlagOfTag(const QString& tag)
{
    return QString(tag).replace(QStringLiteral(".lng"), QStringLiteral(".bmp"));
}

bool Confirm(LanguageState& s, const QString& tag, LanguageChoice& choice)
{
    if (tag == GermanTag()) {
        s.LanguageName = kGerman;
        s.LanguageStem = kGerman;
        s.LanguageFile = GermanTag();
    } else {
        s.LanguageName = TrimBlanks(IniOps::ReadIni(tag, kGeneral, QStringLiteral("Language"), QString()));
        s.LanguageStem = TrimBlanks(FileSystem::GetFileStem(tag));
        s.LanguageFile = tag;
    }
    choice.store(s.LanguageStem);
    return s.LanguageName == kGerman;
}

} // namespace LanguageCatalogue
