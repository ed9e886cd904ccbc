#include <gtest/gtest.h>

#include "platform/native_text.h"

namespace {

QString Units(std::initializer_list<char16_t> units) {
    QString text;
    for (const char16_t u : units) text.append(QChar(u));
    return text;
}

TEST(NativeText, DecodesUtf8AndEscapesEveryOtherByte) {
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"ascii", "a.png", QStringLiteral("a.png")},
        {"two-byte", "caf\xC3\xA9", QStringLiteral("caf\u00E9")},
        {"four-byte", "\xF0\x9F\x98\x80", Units({0xD83D, 0xDE00})},
        {"lone continuation", "a\x80z", Units({u'a', 0xDC80, u'z'})},
        {"latin-1 byte", "\xFF.png", Units({0xDCFF, u'.', u'p', u'n', u'g'})},
        {"cut sequence", "\xE2\x82", Units({0xDCE2, 0xDC82})},
        {"overlong slash", "\xC0\xAF", Units({0xDCC0, 0xDCAF})},
        {"encoded surrogate", "\xED\xB2\x80", Units({0xDCED, 0xDCB2, 0xDC80})},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", Units({0xDCF4, 0xDC90, 0xDC80, 0xDC80})},
        {"lead then ascii", "\xC3(", Units({0xDCC3, u'('})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeNativeText(c.bytes), c.text);
        EXPECT_EQ(EncodeNativeText(c.text), c.bytes);
    }
}

TEST(NativeText, EveryByteSequenceRoundTrips) {
    // All one- and two-byte sequences, and every byte after a three-byte lead.
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            QByteArray bytes;
            bytes.append(static_cast<char>(a));
            bytes.append(static_cast<char>(b));
            ASSERT_EQ(EncodeNativeText(DecodeNativeText(bytes)), bytes) << a << " " << b;
            bytes.prepend('\xE0');
            ASSERT_EQ(EncodeNativeText(DecodeNativeText(bytes)), bytes) << a << " " << b;
        }
    }
}

TEST(NativeText, SurrogatesThatNoDecodingMadeBecomeTheReplacementCharacter) {
    const struct {
        const char* name;
        QString text;
        QByteArray bytes;
    } cases[] = {
        {"lone high", Units({0xD800}), "\xEF\xBF\xBD"},
        {"low below the escapes", Units({0xDC7F}), "\xEF\xBF\xBD"},
        {"low above the escapes", Units({0xDD00}), "\xEF\xBF\xBD"},
        {"high then ascii", Units({0xD83D, u'x'}), "\xEF\xBF\xBDx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeNativeText(c.text), c.bytes);
    }
}

}  // namespace
