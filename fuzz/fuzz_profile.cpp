// The profile reader over arbitrary bytes: lookups, listings and a write on a copy.
#include "FuzzFile.h"
#include "modules/IniOps.h"

#include <QDebug>
#include <QRegularExpression>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString section = QString::fromUtf8(in.ConsumeRandomLengthString(40));
    const QString key = QString::fromUtf8(in.ConsumeRandomLengthString(40));
    const QString value = QString::fromUtf8(in.ConsumeRandomLengthString(60));
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QString file = WriteFuzzFile(QStringLiteral("profile.ini"), QByteArray(rest.data(), qsizetype(rest.size())));

    const QString read = IniOps::ReadIni(file, section, key, QStringLiteral("default"));
    if (read.size() > 2047)
        __builtin_trap(); // values are cut to the system buffer
    for (const QString& s : IniOps::GetIniSections(file))
        IniOps::GetIniKeys(file, s);
    IniOps::GetIniKeys(file, section);

    IniOps::WriteIni(file, section, key, value);
    // What a write stored must read back, when it is plain text the format can hold in any
    // encoding (a Windows-1252 file turns what it cannot hold into "?") and not in quotes,
    // which reading removes as the system's profile functions do.
    static const QRegularExpression plain(QStringLiteral("^[\\x20-\\x7e]+$"));
    static const QRegularExpression special(QStringLiteral("[\\[\\]=;\"']"));
    const QString all = section + key + value;
    const bool storable = plain.match(all).hasMatch() && !all.contains(special)
                          && section.trimmed() == section && key.trimmed() == key && value.trimmed() == value
                          && !section.isEmpty() && !key.isEmpty() && !value.isEmpty();
    if (storable) {
        const QString back = IniOps::ReadIni(file, section, key, QString());
        if (back != value) {
            qWarning() << "written" << section << key << value << "read back" << back;
            __builtin_trap();
        }
    }
    IniOps::GetIniSections(file);
    return 0;
}
