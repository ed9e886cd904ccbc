#include "engine/colour.h"

namespace {
int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

uint8_t ReadPair(const QString& text, int first) {
    int value = 0;
    for (int i = first; i < first + 2; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0) break;
        value = value * 16 + digit;
    }
    return static_cast<uint8_t>(value);
}
}  // namespace

RgbColour ParseColour(const QString& text) {
    if (text.size() != 6) return {};
    return {ReadPair(text, 0), ReadPair(text, 2), ReadPair(text, 4)};
}
