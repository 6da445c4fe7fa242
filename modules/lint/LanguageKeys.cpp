#include "modules/lint/LanguageKeys.h"

#include "modules/extras/ExtrasTable.h"
#include "modules/menu/MenuTable.h"
#include "modules/perks/PerkTable.h"
#include "modules/progress/ProgressTexts.h"

namespace Lint::LanguageKeys {

namespace {

QHash<QString, QSet<QString>> build()
{
    QHash<QString, QSet<QString>> known;
    const auto add = [&](const char* section, std::initializer_list<const char*> keys) {
        QSet<QString>& set = known[QString::fromLatin1(section).toCaseFolded()];
        for (const char* key : keys)
            set.insert(QString::fromLatin1(key).toCaseFolded());
    };
    add("general", {"language", "version", "author", "website", "email"});
    add("ui", {"ComboBoxPrompt", "InfoButtonToolTip", "FileNotFound", "FileNotFoundCaption",
               "mxOpenInstallationCaption"});
    add("frmFind", {"caption", "searchfor", "options", "searchinnames", "searchindescriptions", "buttonfind",
                    "buttoncancel", "notfoundmessage", "notfoundcaption", "SearchResult"});
    add("frmPrint", {"caption", "label", "optionlandscape", "optionportrait", "buttonprint", "buttoncancel"});
    add("frmInfo", {"buttonclose"});
    add("frmAbout", {"caption", "description", "email", "website", "disclaimer", "sources", "thanksto"});
    add("frmLang", {"caption", "availablelangs", "currentlang", "author", "email", "website", "buttonselect",
                    "buttoncancel"});
    add("frmExtras", {"caption", "btnSelect", "btnCancel"});
    add("frmPerks", {"caption", "root", "ButtonShow", "ButtonCancel", "CaldoraTeachersFor", "FrostmereTeachersFor", "QasiraTeachersFor"});
    add("menus", {});

    for (const MenuEntry& e : MenuTable::Entries())
        if (e.isCaptioned())
            known[QString::fromLatin1(e.languageSection()).toCaseFolded()].insert(
                QString::fromLatin1(e.languageKey()).toCaseFolded());
    int progressCount = 0;
    const ProgressTexts::Entry* progressTexts = ProgressTexts::Entries(&progressCount);
    QSet<QString>& progress = known[QStringLiteral("progress")];
    for (int i = 0; i < progressCount; ++i)
        progress.insert(QString::fromLatin1(progressTexts[i].key).toCaseFolded());
    QSet<QString>& extras = known[QStringLiteral("frmextras")];
    for (const ExtrasDocument& d : ExtrasTable::Documents())
        extras.insert(QString::fromLatin1(d.key).toCaseFolded());
    QSet<QString>& perks = known[QStringLiteral("frmperks")];
    for (const PerkGroup& g : PerkTable::Groups())
        perks.insert(g.langKey.toString().toCaseFolded());
    for (const PerkEntry& p : PerkTable::Perks())
        perks.insert(p.langKey.toString().toCaseFolded());
    return known;
}

} // namespace

const QHash<QString, QSet<QString>>& Known()
{
    static const QHash<QString, QSet<QString>> known = build();
    return known;
}

const QList<Supplied>& WithValue()
{
    static const QList<Supplied> list{
        {"ui", "FileNotFound", "the path of the missing file"},
        {"frmFind", "SearchResult", "the search term"},
        {"frmPerks", "caption", "the region"},
        {"frmPerks", "root", "the region"},
    };
    return list;
}

} // namespace Lint::LanguageKeys
