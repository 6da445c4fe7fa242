#include "modules/info/DescriptionLookup.h"

#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"

namespace {
const QString kInfoFile = QStringLiteral("info.data");
const QString kInfo = QStringLiteral("info");
} // namespace

QString DescriptionLookup::Describe(Session& session, const QString& shownName)
{
    // Asked at every mouse move over a marker: the file is looked at once.
    LanguageState& language = session.language;
    const bool german = LOCAL::IsGerman(language);
    const QString key = (german ? shownName : LOCAL::DelocalizeName(language, shownName)).toLower();
    const IniOps::Reader file = german ? IniOps::Reader(session.InProgramFolder(kInfoFile))
                                       : LOCAL::OwnOrSubstituteReader(language, kInfoFile);
    QString text = file.ReadIni(kInfo, key, QString());
    if (text.startsWith(QLatin1Char('#')))
        text = file.ReadIni(kInfo, text.mid(1), QString());
    return text;
}
