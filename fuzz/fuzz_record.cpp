// The record fields: tokens, split items and coordinates from arbitrary text.
#include "modules/Numeric.h"
#include "modules/StringOps.h"
#include "modules/Twips2Pixel_Module.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const qint16 n = in.ConsumeIntegral<qint16>();
    const QString separator = QString::fromUtf8(in.ConsumeRandomLengthString(3));
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QString record = QString::fromUtf8(rest.data(), qsizetype(rest.size()));

    const QString token = StringOps::GetToken(record, n, separator);
    const QString item = StringOps::GetSplitItem(record, n, separator);
    if (token.size() > record.size() || item.size() > record.size())
        __builtin_trap();
    StringOps::Contains(record, separator);

    for (const QString& field : {token, item, StringOps::GetToken(record, 1, QStringLiteral(",")),
                                 StringOps::GetToken(record, 2, QStringLiteral(","))}) {
        const double leading = Numeric::LeadingNumber(field);
        const std::optional<double> whole = Numeric::WholeNumber(field);
        const qint16 x = Numeric::ToInt16(whole.value_or(leading));
        Numeric::RoundHalfEven(leading);
        Twips2Pixel_Module::PixelsToTwipsX(x);
        Twips2Pixel_Module::PixelsToTwipsY(x);
        Twips2Pixel_Module::TwipsToPixelsY(x);
    }
    return 0;
}
