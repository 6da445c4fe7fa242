// The profile reader over arbitrary bytes: lookups, listings and a write on a copy.
#include "FuzzFile.h"
#include "modules/IniOps.h"

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
    // What a write stored must read back, when it is something the format can hold.
    const bool storable = !section.trimmed().isEmpty() && !key.trimmed().isEmpty()
                          && value.trimmed() == value && !value.isEmpty()
                          && !(section + key + value).contains(QRegularExpression(QStringLiteral("[\\r\\n\\[\\]=;\"\\x00]")))
                          && !key.trimmed().startsWith(QLatin1Char('['));
    if (storable && section.trimmed() == section && key.trimmed() == key && value.size() <= 2047) {
        const QString back = IniOps::ReadIni(file, section, key, QString());
        if (back != value)
            __builtin_trap();
    }
    IniOps::GetIniSections(file);
    return 0;
}
