#include "modules/perks/PerkCatalogue.h"
#include "modules/perks/PerkTable.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/StringOps.h"

#include <QSet>

#include <functional>

namespace {

const QString kRootKey = QStringLiteral("root");
const QString kLangSection = QStringLiteral("frmPerks");

// The design captions of the buttons; German keeps them.
const QString kShowDesign = QStringLiteral("An&zeigen");
const QString kAbortDesign = QStringLiteral("&Abbrechen");

using TextOf = std::function<QString(const PerkEntry&)>;

// German when language is null.
void addRootAndGroups(PerkTree& tree, const QString& rootText, const LanguageState* language)
{
    tree.nodes.append({kRootKey, QString(), rootText, true, PerkTable::RootPicture});
    for (const PerkGroup& group : PerkTable::Groups()) {
        const QString text = !language ? group.german.toString()
                                       : LOCAL::Text(*language, kLangSection, group.langKey.toString(),
                                                  group.english.toString());
        tree.nodes.append({QString(group.key), kRootKey, text, true, group.picture});
    }
}

// One node per section that names a known perk, in the file's order. The comparison with the
// table is exact, so "perk Acrobatics" is not "perk acrobatics". A section that appears twice
// is listed once: node keys must stay unique.
void addPerks(PerkTree& tree, const QString& dataFile, const TextOf& textOf)
{
    QSet<QString> listed;
    const QStringList sections = IniOps::GetIniSections(dataFile);
    for (const QString& section : sections) {
        if (section.left(4).toLower() != QLatin1String("perk"))
            continue;
        const PerkEntry* perk = PerkTable::Find(section);
        if (!perk || listed.contains(section))
            continue;
        listed.insert(section);
        tree.nodes.append({section, QString(perk->group), textOf(*perk), false,
                           PerkTable::PerkPicture});
    }
}

QString withRegion(LanguageState& language, QString text, const QString& region)
{
    return text.replace(QLatin1String("%s"), LOCAL::LocalizeName(language, region));
}

} // namespace

QString PerkCatalogue::RegionOf(const QString& dataFile)
{
    QString region;
    if (StringOps::Contains(dataFile, QStringLiteral("caldora.data")))
        region = QStringLiteral("Caldora");
    if (StringOps::Contains(dataFile, QStringLiteral("frostmere.data")))
        region = QStringLiteral("Frostmere");
    if (StringOps::Contains(dataFile, QStringLiteral("qasira.data")))
        region = QStringLiteral("Qasira");
    return region;
}

PerkTree PerkCatalogue::Load(LanguageState& language, const QString& dataFile)
{
    const QString region = RegionOf(dataFile);
    return LOCAL::IsGerman(language) ? INIT_GERMAN(dataFile, region)
                                     : INIT_LANG(language, dataFile, region);
}

PerkTree PerkCatalogue::INIT_GERMAN(const QString& dataFile, const QString& region)
{
    PerkTree tree;
    tree.region = region;
    tree.caption = QStringLiteral("Lehrer für Perks in ") + region;
    tree.showCaption = kShowDesign;
    tree.abortCaption = kAbortDesign;
    addRootAndGroups(tree, QStringLiteral("Lehrer in ") + region, nullptr);
    addPerks(tree, dataFile, [](const PerkEntry& perk) { return perk.german.toString(); });
    return tree;
}

PerkTree PerkCatalogue::INIT_LANG(LanguageState& language, const QString& dataFile,
                                  const QString& region)
{
    PerkTree tree;
    tree.region = region;
    tree.caption = withRegion(language,
                              LOCAL::Text(language, kLangSection, QStringLiteral("caption"),
                                          QStringLiteral("Perks in %s")),
                              region);
    const QString rootText = withRegion(
        language,
        LOCAL::Text(language, kLangSection, QStringLiteral("root"), QStringLiteral("Perks in %s")),
        region);
    addRootAndGroups(tree, rootText, &language);
    addPerks(tree, dataFile, [&language](const PerkEntry& perk) {
        return LOCAL::Text(language, kLangSection, perk.langKey.toString(), perk.english.toString());
    });
    tree.showCaption =
        LOCAL::Text(language, kLangSection, QStringLiteral("ButtonShow"), QStringLiteral("Show"));
    tree.abortCaption =
        LOCAL::Text(language, kLangSection, QStringLiteral("ButtonCancel"), QStringLiteral("Abort"));
    return tree;
}
