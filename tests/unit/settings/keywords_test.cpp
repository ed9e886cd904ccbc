#include <gtest/gtest.h>

#include <QStringList>

#include "settings/keywords.h"

using KT = KeywordTable;

TEST(KeywordValue, EveryWordOfEveryTable) {
    const struct {
        KT table;
        const char* words;  // blank-separated, in table order
        std::initializer_list<int> values;
    } cases[] = {
        {KT::DdsLoading, "AUTO BGRA RGBA", {0, 1, 2}},
        {KT::RawLoading, "AUTO 8 16 24 48HS 48", {0, 1, 2, 3, 4, 5}},
        {KT::FrameChoice, "ALL FIRST MIDDLE LAST RANDOM", {0, 1, 2, 3, 4}},
        {KT::ToneMapping, "NONE LINEAR AL DRR GD", {0, 1, 2, 3, 4}},
        {KT::Compression,
         "NONE RLE ZIP PIZ PXR24 B44 ZLIB1 ZLIB6 ZLIB9 CCITTFAX3 CCITTFAX4 PACKBITS DEFLATE ADOBEDEFLATE LZW JPEG "
         "LOGLUV",
         {0, 1, 1, 2, 3, 4, 1, 2, 3, 1, 2, 3, 4, 5, 6, 7, 8}},
        {KT::ColorTable, "AUTO EXACT", {0, 1}},
        {KT::ColorModel, "RGB CMYK LAB", {0, 1, 2}},
        {KT::Chroma, "NONE LOW MEDIUM HIGH", {0, 1, 2, 3}},
        {KT::JpegKind, "STANDARD SIMPLE OPTIMIZED PROGRESSIVE", {0, 1, 2, 3}},
        {KT::RotationType, "SIMPLE ADVANCED", {0, 1}},
        {KT::Unit, "PIXELS PERCENT", {0, 1}},
        {KT::ResizeType, "ALLIMAGES LARGEIMAGES", {0, 1}},
        {KT::ResizeAlgorithm, "BOX BILINEAR BSPLINE BICUBIC CATMULLROM LANCZOS", {0, 1, 2, 3, 4, 5}},
        {KT::FrameKind, "NONE SOLID", {0, 1}},
        {KT::WatermarkKind, "NONE TEXT IMAGE", {0, 1, 2}},
        {KT::FontStyle, "REGULAR BOLD ITALIC BOLDITALIC", {0, 1, 2, 3}},
        {KT::FontEffect, "NONE UNDERLINE STRIKETHROUGHT", {0, 1, 2}},
        {KT::Alignment, "LEFT CENTER RIGHT", {0, 1, 2}},
        {KT::Boundary, "IMAGE FRAME", {0, 1}},
        {KT::Position,
         "TOPLEFT TOPCENTER TOPRIGHT MIDDLELEFT MIDDLECENTER MIDDLERIGHT BOTTOMLEFT BOTTOMCENTER BOTTOMRIGHT",
         {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {KT::SizeMode, "FIXED", {0}},
        {KT::Timestamp, "CURRENT ORIGINAL CUSTOM", {0, 1, 2}},
    };
    ASSERT_EQ(std::size(cases), size_t(KeywordTableCount));
    for (const auto& c : cases) {
        const QStringList words = QString::fromLatin1(c.words).split(u' ');
        SCOPED_TRACE(c.words);
        int count = 0;
        const KeywordRow* rows = KeywordRows(c.table, &count);
        ASSERT_EQ(count, words.size());
        ASSERT_EQ(size_t(count), c.values.size());
        int i = 0;
        for (int value : c.values) {
            SCOPED_TRACE(words[i].toStdString());
            EXPECT_EQ(QLatin1String(rows[i].word), words[i]);
            EXPECT_EQ(KeywordValue(c.table, words[i]), value);
            EXPECT_EQ(KeywordValue(c.table, words[i].toLower()), value);
            ++i;
        }
    }
}

TEST(KeywordValue, TrimsBlanksFoldsCaseAndDefaultsToZero) {
    const struct {
        KT table;
        const char* text;
        int value;
    } cases[] = {
        {KT::ResizeAlgorithm, "lanczos", 5},  {KT::ResizeAlgorithm, " \tLanczos \t", 5},
        {KT::ResizeAlgorithm, "lanczos3", 0}, {KT::ResizeAlgorithm, "", 0},
        {KT::ResizeAlgorithm, "LAN ZOS", 0},  {KT::SizeMode, "scaled", 0},
        {KT::Compression, "lzw", 6},          {KT::FontEffect, "strikethrough", 0},
        {KT::Position, "bottomRight", 8},     {KT::RawLoading, "48hs", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(KeywordValue(c.table, QLatin1String(c.text)), c.value);
    }
    int count = -1;
    EXPECT_EQ(KeywordRows(static_cast<KT>(KeywordTableCount), &count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(KeywordValue(static_cast<KT>(-1), QStringLiteral("NONE")), 0);
}

TEST(KeywordOf, NamesAValueOrNothing) {
    const struct {
        KT table;
        int value;
        const char* word;
    } cases[] = {
        {KT::FrameKind, 0, "NONE"},  {KT::WatermarkKind, 2, "IMAGE"}, {KT::Position, 8, "BOTTOMRIGHT"},
        {KT::SizeMode, 0, "FIXED"},  {KT::SizeMode, 1, ""},           {KT::Timestamp, -1, ""},
        {KT::Compression, 1, "RLE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(KeywordOf(c.table, c.value), QLatin1String(c.word));
    }
}

TEST(CompressionKeyword, UsesEachFormatsOwnList) {
    const struct {
        const char* format;
        int value;
        const char* word;
    } cases[] = {
        {"bmp", 1, "RLE"}, {"tga", 0, "NONE"},  {"tga", 2, ""},      {"exr", 1, "ZIP"},        {"exr", 4, "B44"},
        {"exr", 5, ""},    {"png", 3, "ZLIB9"}, {"png", 1, "ZLIB1"}, {"tiff", 1, "CCITTFAX3"}, {"tiff", 8, "LOGLUV"},
        {"tiff", 9, ""},   {"tiff", -1, ""},    {"psd", 0, ""},      {"BMP", 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(c.format)).arg(c.value).toStdString());
        EXPECT_EQ(CompressionKeyword(QLatin1String(c.format), c.value), QLatin1String(c.word));
    }
}
