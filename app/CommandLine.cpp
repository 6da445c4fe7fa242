#include "app/CommandLine.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <functional>

namespace {

std::optional<QSize> parseSize(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int w = m.captured(1).toInt();
    const int h = m.captured(2).toInt();
    if (w < 1 || h < 1 || w > 16384 || h > 16384)
        return std::nullopt;
    return QSize(w, h);
}

// What the values of actions must look like; the others take any text.
bool isSize(const QString& v) { return parseSize(v).has_value(); }

bool isIndex(const QString& v)
{
    static const QRegularExpression re(QStringLiteral("^-?\\d{1,9}$"));
    return re.match(v).hasMatch();
}

bool isPoint(const QString& v)
{
    static const QRegularExpression re(QStringLiteral("^-?\\d{1,6},-?\\d{1,6}$"));
    return re.match(v).hasMatch();
}

// F or F@X,Y: a factor from 1 to 8, and the map-area pixel that stays in place.
bool isZoom(const QString& v)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,3}(?:\\.\\d{1,6})?)(@-?\\d{1,6},-?\\d{1,6})?$"));
    const auto m = re.match(v);
    const double factor = m.hasMatch() ? m.captured(1).toDouble() : 0.0;
    return factor >= 1.0 && factor <= 8.0;
}

bool isOnOff(const QString& v) { return v == QLatin1String("on") || v == QLatin1String("off"); }

bool isMapAndName(const QString& v)
{
    const qsizetype colon = v.indexOf(QLatin1Char(':'));
    return colon > 0 && colon + 1 < v.size();
}

bool isImportMode(const QString& v)
{
    return v == QLatin1String("merge") || v == QLatin1String("replace");
}

bool isFindMode(const QString& v)
{
    return v == QLatin1String("names") || v == QLatin1String("descriptions");
}

// Binds each option to a member function, in the manner of Tiled's command-line handler.
// A handler gets the option's value ("" for a switch) and returns false for a bad one.
class CommandLineHandler
{
public:
    explicit CommandLineHandler(const QString& startDirectory) : m_start(startDirectory)
    {
        option<&CommandLineHandler::setHome>("home", "DIR", "the installation (program folder)");
        option<&CommandLineHandler::setSize>("size", "WxH", "the map area in screen pixels");
        option<&CommandLineHandler::setBatch>("batch", nullptr,
                                              "no person present: run the actions, write, exit");
        option<&CommandLineHandler::setDump>("dump", "FILE", "write the state as JSON at the end");
        option<&CommandLineHandler::setSnapshot>("snapshot", "FILE",
                                                 "write the map area as PNG at the end");
        option<&CommandLineHandler::setStartupLanguage>(
            "startup-language", "STEM", "answer the language dialog of the start");
        option<&CommandLineHandler::setPdfFile>("pdf-file", "FILE", "what the PDF printer writes");
        option<&CommandLineHandler::setCheck>("check", nullptr,
                                              "check the installation (with --home only)");
        option<&CommandLineHandler::setHelp>("help", nullptr, "show this text");
        option<&CommandLineHandler::setVersion>("version", nullptr, "show the version");

        action<Action::Open>("open", "NAME", "choose menu entry NAME");
        action<Action::Pick>("pick", "TEXT", "pick the list line TEXT");
        action<Action::PickIndex>("pick-index", "N", "pick list line N", isIndex);
        action<Action::Hover>("hover", "CONTROL", "move the pointer over CONTROL");
        action<Action::DoubleClick>("dblclick", "CONTROL", "double-click CONTROL");
        action<Action::Click>("click", "CONTROL", "click CONTROL (btnInfo)");
        action<Action::RightClick>("right-click", "X,Y", "right-click the map at pixel X,Y",
                                   isPoint);
        action<Action::Resize>("resize", "WxH", "resize the map area", isSize);
        action<Action::FindMode>("find-mode", "MODE",
                                 "names|descriptions, for the next find dialog", isFindMode);
        action<Action::Find>("find", "TERM", "search for TERM");
        action<Action::FindCancel>("find-cancel", nullptr, "open the find dialog and cancel it");
        action<Action::FindAgain>("find-again", nullptr, "find again (F3)");
        action<Action::FindAll>("find-all", "TERM", "open the result list and type TERM");
        action<Action::ShowResult>("show-result", "N", "show row N of the result list", isIndex);
        action<Action::Perks>("perks", "ITEM:KEY", "show the perk KEY of perk menu ITEM");
        action<Action::Language>("language", "STEM", "select the language STEM");
        action<Action::Extras>("extras", "FILE", "open the extras document FILE");
        action<Action::Print>("print", "NAME:ORIENTATION", "print on NAME, landscape|portrait");
        action<Action::About>("about", nullptr, "open the about box, then OK");
        action<Action::OpenInstallation>("open-installation", "DIR",
                                         "choose mxOpenInstallation and pick folder DIR");
        action<Action::Zoom>("zoom", "F[@X,Y]",
                             "zoom to F (1 to 8) about the middle or map-area pixel X,Y", isZoom);
        action<Action::Pan>("pan", "DX,DY", "drag the map by DX,DY pixels", isPoint);
        action<Action::Declutter>("declutter", "on|off", "hide names that cover others", isOnOff);

        action<Action::Profile>("profile", "NAME", "switch to progress profile NAME (created when missing)");
        action<Action::Mark>("mark", "CONTROL", "right-click marker CONTROL, choose found");
        action<Action::Unmark>("unmark", "CONTROL", "right-click marker CONTROL, choose not found");
        action<Action::MarkName>("mark-name", "MAP:NAME", "mark the entity NAME of map MAP found",
                                 isMapAndName);
        action<Action::UnmarkName>("unmark-name", "MAP:NAME", "mark the entity NAME of map MAP not found",
                                   isMapAndName);
        action<Action::HideFound>("hide-found", "on|off", "hide found entities, or show them again",
                                  isOnOff);
        fileAction<Action::ExportProgress>("export-progress", "FILE", "write the profile's progress");
        action<Action::ImportMode>("import-mode", "MODE", "merge|replace, for the next import",
                                   isImportMode);
        fileAction<Action::ImportProgress>("import-progress", "FILE",
                                           "read progress into the profile (merged by default)");
    }

    std::optional<CommandLine> parse(const QStringList& arguments, QString* error)
    {
        if (!m_parser.parse(arguments)) {
            *error = m_parser.errorText();
            return std::nullopt;
        }
        if (!m_parser.positionalArguments().isEmpty()) {
            *error = QStringLiteral("unexpected argument: %1").arg(m_parser.positionalArguments().first());
            return std::nullopt;
        }
        // Options run in the order given, each with its next value.
        QHash<QString, int> used;
        for (const QString& name : m_parser.optionNames()) {
            const Option& o = m_options[name];
            const QString value = o.takesValue ? m_parser.values(name).value(used[name]++) : QString();
            if (!o.handle(value)) {
                *error = QStringLiteral("bad value for --%1: %2").arg(name, value);
                return std::nullopt;
            }
        }
        if (m_result.check) {
            for (const QString& name : m_parser.optionNames())
                if (name != QLatin1String("check") && name != QLatin1String("home")) {
                    *error = QStringLiteral("--check takes only --home DIR, not --%1").arg(name);
                    return std::nullopt;
                }
        }
        return m_result;
    }

    QString optionList() const
    {
        QString text;
        for (const QString& line : m_help)
            text += line + QLatin1Char('\n');
        return text;
    }

private:
    struct Option
    {
        bool takesValue = false;
        std::function<bool(const QString&)> handle;
    };

    template <bool (CommandLineHandler::*Handle)(const QString&)>
    void option(const char* name, const char* valueName, const char* description)
    {
        add(name, valueName, description, [this](const QString& v) { return (this->*Handle)(v); });
    }

    // Actions are queued in the order given; valid, when given, checks the value.
    template <Action A>
    void action(const char* name, const char* valueName, const char* description,
                bool (*valid)(const QString&) = nullptr)
    {
        const QString option = QString::fromLatin1(name);
        add(name, valueName, description, [this, option, valid](const QString& v) {
            if (valid && !valid(v))
                return false;
            // A folder is picked as a person picks it: from where the program was started.
            m_result.actions.push_back({A, option, A == Action::OpenInstallation ? absolute(v) : v});
            return true;
        });
    }

    // An action whose value is a file: relative to the start directory.
    template <Action A>
    void fileAction(const char* name, const char* valueName, const char* description)
    {
        const QString option = QString::fromLatin1(name);
        add(name, valueName, description, [this, option](const QString& v) {
            if (v.isEmpty())
                return false;
            m_result.actions.push_back({A, option, absolute(v)});
            return true;
        });
    }

    void add(const char* name, const char* valueName, const char* description,
             std::function<bool(const QString&)> handle)
    {
        const QString n = QString::fromLatin1(name);
        QCommandLineOption o(n, QString::fromLatin1(description));
        if (valueName)
            o.setValueName(QString::fromLatin1(valueName));
        m_parser.addOption(o);
        m_options.insert(n, Option{valueName != nullptr, std::move(handle)});
        QString synopsis = QStringLiteral("  --") + n;
        if (valueName)
            synopsis += QLatin1Char(' ') + QString::fromLatin1(valueName);
        m_help.append(synopsis.leftJustified(30) + QString::fromLatin1(description));
    }

    QString absolute(const QString& path) const
    {
        return path.isEmpty() ? path : QDir::cleanPath(QDir(m_start).absoluteFilePath(path));
    }

    bool setHome(const QString& v) { m_result.home = absolute(v); return true; }
    bool setSize(const QString& v) { m_result.size = parseSize(v); return m_result.size.has_value(); }
    bool setBatch(const QString&) { m_result.batch = true; return true; }
    bool setDump(const QString& v) { m_result.dumpFile = absolute(v); return true; }
    bool setSnapshot(const QString& v) { m_result.snapshotFile = absolute(v); return true; }
    bool setStartupLanguage(const QString& v) { m_result.startupLanguage = v; return true; }
    bool setPdfFile(const QString& v) { m_result.pdfFile = absolute(v); return true; }
    bool setCheck(const QString&) { m_result.check = true; return true; }
    bool setHelp(const QString&) { m_result.help = true; return true; }
    bool setVersion(const QString&) { m_result.version = true; return true; }

    QString m_start;
    QCommandLineParser m_parser;
    QHash<QString, Option> m_options;
    QStringList m_help;
    CommandLine m_result;
};

} // namespace

std::optional<CommandLine> ParseCommandLine(const QStringList& arguments,
                                            const QString& startDirectory, QString* error)
{
    return CommandLineHandler(startDirectory).parse(arguments, error);
}

namespace {

const char* const kSynopsis =
    "Usage: karvenna [--home DIR] [--size WxH] [--batch] [ACTION...] [--dump FILE] [--snapshot FILE]\n"
    "       [--startup-language STEM] [--pdf-file FILE]\n"
    "       karvenna --check [--home DIR] | --help | --version\n";

} // namespace

QString UsageText()
{
    return QString::fromLatin1(kSynopsis)
           + QStringLiteral(
               "Actions: --open NAME, --pick TEXT, --pick-index N, --hover CONTROL, --dblclick CONTROL,\n"
               "         --click btnInfo, --right-click X,Y, --resize WxH, --find TERM,\n"
               "         --find-mode names|descriptions, --find-cancel, --find-again, --perks ITEM:KEY,\n"
               "         --language TAG, --extras FILE, --print NAME:ORIENTATION, --about,\n"
               "         --open-installation DIR,\n"
               "         --zoom F[@X,Y], --pan DX,DY, --declutter on|off,\n"
               "         --profile NAME, --mark CONTROL, --unmark CONTROL, --mark-name MAP:NAME,\n"
               "         --unmark-name MAP:NAME, --hide-found on|off, --export-progress FILE,\n"
               "         --import-mode merge|replace, --import-progress FILE\n");
}

QString HelpText()
{
    return QString::fromLatin1(kSynopsis)
           + QStringLiteral("\nOptions (actions run in the order given):\n")
           + CommandLineHandler(QDir::currentPath()).optionList();
}

QString VersionText()
{
    return QStringLiteral("karvenna %1.%2.%3")
        .arg(KARVENNA_VERSION_MAJOR)
        .arg(KARVENNA_VERSION_MINOR)
        .arg(KARVENNA_VERSION_REVISION);
}
