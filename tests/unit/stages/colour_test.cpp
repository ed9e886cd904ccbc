#include <gtest/gtest.h>

#include "engine/colour.h"

TEST(ParseColour, ReadsSixHexDigitsAsRedGreenBlue) {
    const struct {
        const char* text;
        int red, green, blue;
    } cases[] = {
        {"FF0000", 255, 0, 0},        {"00FF00", 0, 255, 0},        {"0000FF", 0, 0, 255}, {"123456", 0x12, 0x34, 0x56},
        {"abcdef", 0xAB, 0xCD, 0xEF}, {"AbCdEf", 0xAB, 0xCD, 0xEF}, {"000000", 0, 0, 0},   {"FFFFFF", 255, 255, 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseColour(QString::fromUtf8(c.text)),
                  (RgbColour{uint8_t(c.red), uint8_t(c.green), uint8_t(c.blue)}));
    }
}

TEST(ParseColour, GivesBlackForAnyOtherLength) {
    for (const char* text : {"", "abc", "F", "FF000", "FF00000", "FFFFFFFF", "#FF0000", " FF0000"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseColour(QString::fromUtf8(text)), RgbColour{});
    }
}

TEST(ParseColour, ReadsEachPairUpToItsFirstNonDigit) {
    const struct {
        const char* text;
        int red, green, blue;
    } cases[] = {
        {"G0FFFF", 0, 255, 255}, {"0GFFFF", 0, 255, 255}, {"1GFFFF", 1, 255, 255}, {"FFG0FF", 255, 0, 255},
        {"FF1GFF", 255, 1, 255}, {"FFFFG0", 255, 255, 0}, {"FFFF1G", 255, 255, 1}, {"ZZZZZZ", 0, 0, 0},
        {"-1+1 1", 0, 0, 0},     {"x1ff00", 0, 255, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseColour(QString::fromUtf8(c.text)),
                  (RgbColour{uint8_t(c.red), uint8_t(c.green), uint8_t(c.blue)}));
    }
}

TEST(ParseColour, TakesNoOtherScriptsDigitsForHex) {
    // Full-width and Arabic-Indic digits are digits to Unicode, not hexadecimal.
    for (const char16_t* text : {u"\uFF11\uFF12FFFF", u"\u0661\u0662FFFF"}) {
        const QString colour = QString::fromUtf16(text);
        SCOPED_TRACE(colour.toStdString());
        EXPECT_EQ(ParseColour(colour), (RgbColour{0, 255, 255}));
    }
}
