#include "platform/native_text.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at i and its code point; 0 when the
// bytes there are not one (overlong forms and encoded surrogates included).
int ValidSequence(const QByteArray& bytes, qsizetype i, char32_t* codePoint) {
    const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(bytes.at(k)); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    *codePoint = value;
    return length;
}

void AppendUtf8(QByteArray* out, char32_t c) {
    if (c < 0x80) {
        out->append(static_cast<char>(c));
    } else if (c < 0x800) {
        out->append(static_cast<char>(0xC0 | (c >> 6)));
        out->append(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out->append(static_cast<char>(0xE0 | (c >> 12)));
        out->append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->append(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out->append(static_cast<char>(0xF0 | (c >> 18)));
        out->append(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out->append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->append(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

QString DecodeNativeText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t c = 0;
        const int length = ValidSequence(bytes, i, &c);
        if (length == 0) {
            text.append(QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes.at(i)))));
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            text.append(QChar(QChar::highSurrogate(c)));
            text.append(QChar(QChar::lowSurrogate(c)));
        } else {
            text.append(QChar(static_cast<char16_t>(c)));
        }
        i += length;
    }
    return text;
}

QByteArray EncodeNativeText(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            AppendUtf8(&bytes, QChar::surrogateToUcs4(unit, text.at(i + 1).unicode()));
            ++i;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            bytes.append(static_cast<char>(unit - kEscapeBase));
        } else if (QChar::isSurrogate(unit)) {
            AppendUtf8(&bytes, 0xFFFD);  // a lone surrogate no decoding made
        } else {
            AppendUtf8(&bytes, unit);
        }
    }
    return bytes;
}
