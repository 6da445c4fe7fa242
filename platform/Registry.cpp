#include "platform/Registry.h"

#include "modules/IniOps.h"

#include <QHash>
#include <QtGlobal>

namespace Registry {

namespace {

// Windows' three-letter language codes of the locales a player is likely to use.
QString windowsLanguageCode(const QString& locale)
{
    static const QHash<QString, QString> codes = {
        {"de", "deu"}, {"en", "enu"}, {"fr", "fra"}, {"es", "esp"}, {"it", "ita"},
        {"nl", "nld"}, {"pl", "plk"}, {"ru", "rus"}, {"pt", "ptg"}, {"cs", "csy"},
        {"da", "dan"}, {"fi", "fin"}, {"sv", "sve"}, {"nb", "nor"}, {"no", "nor"},
        {"hu", "hun"}, {"tr", "trk"}, {"el", "ell"}, {"ja", "jpn"}, {"zh", "chs"},
        {"ko", "kor"}, {"uk", "ukr"}, {"sk", "sky"}, {"sl", "slv"}, {"hr", "hrv"},
    };
    // "de_DE.UTF-8@euro" -> "de"
    qsizetype end = 0;
    while (end < locale.size() && locale[end].isLetter())
        ++end;
    return codes.value(locale.left(end).toLower(), QStringLiteral("enu"));
}

QString localeLanguageCode()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return windowsLanguageCode(value);
    }
    return QStringLiteral("enu");
}

} // namespace

std::optional<QString> Read(const QString& fullPath)
{
    const QString file = qEnvironmentVariable("KARVENNA_REGISTRY");
    if (file.isEmpty()) {
        if (fullPath.compare(u"HKEY_CURRENT_USER\\Control Panel\\International\\sLanguage",
                             Qt::CaseInsensitive) == 0)
            return localeLanguageCode();
        return std::nullopt;
    }
    const qsizetype slash = fullPath.lastIndexOf(u'\\');
    if (slash < 0)
        return std::nullopt;
    const QString value =
        IniOps::ReadIni(file, fullPath.left(slash), fullPath.mid(slash + 1), QString());
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

} // namespace Registry
