#include "modules/search/SearchTexts.h"

#include "modules/LOCAL.h"

namespace {

QString LanguageText(const LanguageState& language, const char* key, const QString& term)
{
    return LOCAL::Text(language, QStringLiteral("frmFind"), QString::fromLatin1(key), QString())
        .replace(QStringLiteral("%s"), term);
}

} // namespace

QString SearchTexts::NotFoundText(const LanguageState& language, const QString& term)
{
    if (LOCAL::IsGerman(language))
        return QStringLiteral("Der Suchbegriff: \"") + term +
               QStringLiteral("\" konnte nicht gefunden werden!");
    return LanguageText(language, "notfoundmessage", term);
}

QString SearchTexts::NotFoundCaption(const LanguageState& language)
{
    if (LOCAL::IsGerman(language))
        return QStringLiteral("Suche beendet");
    return LOCAL::Text(language, QStringLiteral("frmFind"), QStringLiteral("notfoundcaption"), QString());
}

QString SearchTexts::ResultHeading(const LanguageState& language, const QString& term)
{
    if (LOCAL::IsGerman(language))
        return QStringLiteral(" Suchergebnis für: ") + term + u' ';
    return LanguageText(language, "SearchResult", term) + u' ';
}
