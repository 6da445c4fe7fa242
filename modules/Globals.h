#pragma once
// Program-wide settings set at start-up and read by every window.
#include <QString>

struct Globals
{
    QString ProgramFolder;      // the installation, without a trailing "/"
    QString SettingsFile;       // ProgramFolder + "/karvenna.ini"
    QString ExtrasFolder = QStringLiteral("EXTRAS");
    QString PicsFolder = QStringLiteral("PICS");
    QString LangFolder = QStringLiteral("LANG");
    QString EditionSuffix;
    QString Revision;           // registry revision, or the build's
    QString InfoButtonToolTip;
    QString PerksDataFile;      // region of the perk dialog

    // Product texts stamped by the build.
    static QString ProductTitle();
    static QString LegalNotice();
    static QString FileDescription();
    static int VersionMajor();
    static int VersionMinor();
    // major.minor.revision + " Final"
    QString VersionText() const;

    // ProgramFolder + "/" + name
    QString InProgramFolder(const QString& name) const;
};

Globals& G();
