// Entity-name translation with arbitrary language files and names.
#include "FuzzFile.h"
#include "modules/LOCAL.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString name = QString::fromUtf8(in.ConsumeRandomLengthString(80));
    const QString shown = QString::fromUtf8(in.ConsumeRandomLengthString(80));
    const std::string rest = in.ConsumeRemainingBytesAsString();

    LanguageState state;
    state.LanguageName = QStringLiteral("Fuzz");
    state.LanguageFile = WriteFuzzFile(QStringLiteral("fuzz.lng"), QByteArray(rest.data(), qsizetype(rest.size())));
    LOCAL::CacheTranslationTable(state);
    if (state.EntityKeys.size() != state.EntityNames.size())
        __builtin_trap();

    const QString localized = LOCAL::LocalizeName(state, name);
    LOCAL::DelocalizeName(state, localized);
    LOCAL::DelocalizeName(state, shown);
    LOCAL::Expand(LOCAL::Text(state, QStringLiteral("ui"), QStringLiteral("FileNotFound")), name);
    return 0;
}
