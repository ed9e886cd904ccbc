// The readers of option values: numbers, decimals and keywords.
#include <cmath>

#include "app/long_options.h"
#include "fuzz_support.h"
#include "settings/keywords.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1024) return 0;
    const QString text = Text(data, size);

    // A number written back in decimal reads as the same number.
    const int32_t number = ReadOptionNumber(text);
    FUZZ_CHECK(ReadOptionNumber(QString::number(number)) == number);

    const float decimal = ReadOptionDecimal(text);
    if (std::isfinite(decimal)) FUZZ_CHECK(ReadOptionDecimal(QString::number(decimal, 'g', 9)) == decimal);

    for (int32_t t = 0; t < KeywordTableCount; ++t) {
        const auto table = static_cast<KeywordTable>(t);
        const int32_t value = KeywordValue(table, text);
        int count = 0;
        const KeywordRow* rows = KeywordRows(table, &count);
        bool listed = value == 0;
        for (int k = 0; k < count; ++k) listed = listed || rows[k].value == value;
        FUZZ_CHECK(listed);
        KeywordOf(table, value);
    }
    return 0;
}
