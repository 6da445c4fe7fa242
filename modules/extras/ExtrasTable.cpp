#include "modules/extras/ExtrasTable.h"

#include "modules/Session.h"
#include "modules/LOCAL.h"
#include "modules/StringOps.h"
#include "platform/Services.h"
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

QList<Row> Rows(const LanguageState& language)
{
    const bool german = LOCAL::IsGerman(language);
    QList<Row> rows;
    for (const ExtrasDocument& document : Documents()) {
        const QString text = german ? QString::fromUtf8(document.german)
                                    : LOCAL::Text(language, QStringLiteral("frmExtras"),
                                                  QString::fromLatin1(document.key),
                                                  QString::fromUtf8(document.english));
        rows.append(Row{text, QString::fromLatin1(document.file)});
    }
    return rows;
}

QString DocumentPath(const Session& session, const QString& fileName)
{
    if (session.language.LanguageStem == QLatin1String("Deutsch"))
        return session.ProgramFolder + QLatin1Char('/') + session.ExtrasFolder + QLatin1Char('/') +
               fileName;
    return LOCAL::OwnOrSubstituteFile(session.language, fileName);
}

Opened Open(const Session& session, ShellService& shell, const QString& tag)
{
    const QString type = StringOps::GetSplitItem(tag, 2, QStringLiteral(".")).trimmed().toLower();
    const QString fileName = tag.trimmed().toLower();
    if (type == QLatin1String("exe")) {
        shell.start(Shell::QuoteArgument(DocumentPath(session, fileName)));
        return Opened::Program;
    }
    if (type == QLatin1String("html")) {
        shell.start(QStringLiteral("mshta.exe ") + Shell::QuoteArgument(DocumentPath(session, fileName)));
        return Opened::Page;
    }
    if (type == QLatin1String("chm")) {
        shell.open(quoted(DocumentPath(session, fileName)), QStringLiteral("open"),
                   session.ProgramFolder);
        return Opened::Help;
    }
    return Opened::Nothing;
}

} // namespace ExtrasTable
