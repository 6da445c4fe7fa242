#include "forms/main/DescriptionLookup.h"

#include "modules/Globals.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"

QString DescriptionLookup::DescriptionFile()
{
    if (LOCAL::IsGerman())
        return G().InProgramFolder(QStringLiteral("info.data"));
    return LOCAL::OwnOrSubstituteFile(QStringLiteral("info.data"));
}

QString DescriptionLookup::Describe(const QString& shownName)
{
    const QString key = (LOCAL::IsGerman() ? shownName : LOCAL::DelocalizeName(shownName)).toLower();
    const IniOps::Reader file(DescriptionFile());
    QString text = file.ReadIni(QStringLiteral("info"), key, QString());
    if (text.startsWith(QLatin1Char('#')))
        text = file.ReadIni(QStringLiteral("info"), text.mid(1), QString());
    return text;
}
