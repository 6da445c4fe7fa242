#include "modules/search/SearchTexts.h"

#include "modules/LOCAL.h"

namespace {

QString LanguageText(const char* key, const QString& term)
{
    return LOCAL::Text(QStringLiteral("frmFind"), QString::fromLatin1(key), QString())
        .replace(QStringLiteral("%s"), term);
}

} // namespace

QString SearchTexts::NotFoundText(const QString& term)
{
    if (LOCAL::IsGerman())
        return QStringLiteral("Der Suchbegriff: \"") + term +
               QStringLiteral("\" konnte nicht gefunden werden!");
    return LanguageText("notfoundmessage", term);
}

QString SearchTexts::NotFoundCaption()
{
    if (LOCAL::IsGerman())
        return QStringLiteral("Suche beendet");
    return LOCAL::Text(QStringLiteral("frmFind"), QStringLiteral("notfoundcaption"), QString());
}

QString SearchTexts::ResultHeading(const QString& term)
{
    if (LOCAL::IsGerman())
        return QStringLiteral(" Suchergebnis für: ") + term + u' ';
    return LanguageText("SearchResult", term) + u' ';
}
