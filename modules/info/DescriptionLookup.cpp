#include "modules/info/DescriptionLookup.h"

#include "modules/Globals.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"

namespace {
const QString kInfoFile = QStringLiteral("info.data");
const QString kInfo = QStringLiteral("info");
} // namespace

QString DescriptionLookup::Describe(const QString& shownName)
{
    // Asked at every mouse move over a marker: the file is looked at once.
    const bool german = LOCAL::IsGerman();
    const QString key = (german ? shownName : LOCAL::DelocalizeName(shownName)).toLower();
    const IniOps::Reader file = german ? IniOps::Reader(G().InProgramFolder(kInfoFile))
                                       : LOCAL::OwnOrSubstituteReader(kInfoFile);
    QString text = file.ReadIni(kInfo, key, QString());
    if (text.startsWith(QLatin1Char('#')))
        text = file.ReadIni(kInfo, text.mid(1), QString());
    return text;
}
