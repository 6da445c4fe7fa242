#include "modules/extras/ExtrasTable.h"

#include "modules/Globals.h"
#include "modules/LOCAL.h"
#include "modules/StringOps.h"
#include "platform/Shell.h"

namespace {

const QChar Q = QLatin1Char('"');

QString quoted(const QString& path) { return Q + path + Q; }

} // namespace

namespace ExtrasTable {

const QList<ExtrasDocument>& Documents()
{
    static const QList<ExtrasDocument> documents{
        {"PerksViewer", "Perklist", "Perk-Übersicht", "perklist.chm"},
        {"Spellbook", "Spellbook", "Zauberbuch", "spellbook.chm"},
        {"Cheats", "Cheat list", "Cheatliste", "cheatlist.html"},
        {"ReputationList", "Reputation list", "Rufliste", "reputationlist.html"},
        {"ArmorList", "Armor list", "Rüstungsliste", "armorlist.chm"},
        {"PlantList", "Plant list", "Pflanzen und Kräuter", "plantlist.chm"},
        {"TeleporterStones", "Teleporter stones", "Teleportsteine", "teleporterstones.chm"},
        {"AmuletList", "Amulets", "Amulette", "amuletlist.chm"},
        {"RingList", "Magic Rings", "Magischen Ringe", "ringlist.chm"},
        {"ShieldList", "Shields", "Schilder", "shieldlist.chm"},
        {"FAQ", "FAQ - Frequently Asked Questions", "FAQ - Häufig gestellte Fragen", "faq.html"},
    };
    return documents;
}

QList<Row> Rows()
{
    const bool german = LOCAL::IsGerman();
    QList<Row> rows;
    for (const ExtrasDocument& document : Documents()) {
        const QString text = german ? QString::fromUtf8(document.german)
                                    : LOCAL::Text(QStringLiteral("frmExtras"),
                                                  QString::fromLatin1(document.key),
                                                  QString::fromUtf8(document.english));
        rows.append(Row{text, QString::fromLatin1(document.file)});
    }
    return rows;
}

QString DocumentPath(const QString& fileName)
{
    const LanguageState& language = LOCAL::State();
    if (language.LanguageStem == QLatin1String("Deutsch"))
        return G().ProgramFolder + QLatin1Char('/') + G().ExtrasFolder + QLatin1Char('/') + fileName;
    return LOCAL::OwnOrSubstituteFile(fileName);
}

Opened Open(ShellService& shell, const QString& tag)
{
    const QString type = StringOps::GetSplitItem(tag, 2, QStringLiteral(".")).trimmed().toLower();
    const QString fileName = tag.trimmed().toLower();
    if (type == QLatin1String("exe")) {
        shell.start(Shell::QuoteArgument(DocumentPath(fileName)));
        return Opened::Program;
    }
    if (type == QLatin1String("html")) {
        shell.start(QStringLiteral("mshta.exe ") + Shell::QuoteArgument(DocumentPath(fileName)));
        return Opened::Page;
    }
    if (type == QLatin1String("chm")) {
        shell.open(quoted(DocumentPath(fileName)), QStringLiteral("open"), G().ProgramFolder);
        return Opened::Help;
    }
    return Opened::Nothing;
}

} // namespace ExtrasTable
