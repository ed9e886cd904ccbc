#include <gtest/gtest.h>

#include "engine/png_header.h"

namespace {
QByteArray Head(uint32_t width, uint32_t height) {
    QByteArray head("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (uint32_t value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) head.append(static_cast<char>(value >> shift & 255));
    return head;
}
}  // namespace

TEST(ReadPngSize, ReadsTheSizeFromTheHeader) {
    const struct {
        const char* name;
        QByteArray bytes;
        bool ok;
        int64_t width, height;
    } cases[] = {
        {"small", Head(37, 23), true, 37, 23},
        {"bytes above 127", Head(0x0102A0FF, 0x00C8), true, 0x0102A0FF, 200},
        {"largest allowed side", Head(0x7FFFFFFF, 1), true, 0x7FFFFFFF, 1},
        {"more bytes follow", Head(5, 6) + QByteArray(100, '\0'), true, 5, 6},
        {"side above 2^31 - 1", Head(0x80000000u, 1), false, 0, 0},
        {"zero width", Head(0, 5), false, 0, 0},
        {"zero height", Head(5, 0), false, 0, 0},
        {"cut short", Head(5, 6).left(23), false, 0, 0},
        {"empty", QByteArray(), false, 0, 0},
        {"wrong signature", QByteArray("GIF89a") + Head(5, 6).mid(6), false, 0, 0},
        {"first chunk not IHDR", Head(5, 6).replace(12, 4, "IDAT"), false, 0, 0},
        {"IHDR length not 13", Head(5, 6).replace(11, 1, "\x0e"), false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int64_t width = -1, height = -1;
        EXPECT_EQ(ReadPngSize(c.bytes, &width, &height), c.ok);
        if (c.ok) {
            EXPECT_EQ(width, c.width);
            EXPECT_EQ(height, c.height);
        }
    }
}

TEST(FitsPsdLimits, RefusesLongSidesAndFilesPast2GB) {
    const struct {
        int64_t width, height;
        bool fits;
    } cases[] = {
        {1, 1, true},         {30000, 1, true},      {1, 30000, true},      {30001, 1, false},    {1, 30001, false},
        {30000, 17895, true}, {30000, 17896, false}, {17896, 30000, false}, {23170, 23170, true}, {23171, 23171, false},
        {0, 10, false},       {10, 0, false},        {-1, 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(FitsPsdLimits(c.width, c.height), c.fits);
    }
}

TEST(PsdFileBytes, CountsHeaderSectionsAndFourPlanes) {
    const struct {
        int64_t width, height, bytes;
    } cases[] = {
        {1, 1, 44},
        {37, 23, 40 + 4 * 37 * 23},
        {30000, 30000, 3600000040LL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(PsdFileBytes(c.width, c.height), c.bytes);
    }
}
