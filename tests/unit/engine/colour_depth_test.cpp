#include <FreeImage.h>
#include <gtest/gtest.h>

#include "batch/job.h"
#include "engine/colour_depth.h"
#include "engine/tone_map.h"
#include "settings/formats.h"

namespace {
// A 24-bit picture with a few colours, enough for every conversion.
FIBITMAP* MakeRgb(int width, int height) {
    FIBITMAP* image = FreeImage_Allocate(width, height, 24);
    for (int y = 0; y < height; ++y) {
        BYTE* row = FreeImage_GetScanLine(image, y);
        for (int x = 0; x < width; ++x) {
            row[x * 3 + FI_RGBA_RED] = static_cast<BYTE>(x * 40);
            row[x * 3 + FI_RGBA_GREEN] = static_cast<BYTE>(y * 60);
            row[x * 3 + FI_RGBA_BLUE] = static_cast<BYTE>((x + y) * 20);
        }
    }
    return image;
}
}  // namespace

TEST(AutoBitDepth, PicksTheFirstListedDepthNotBelowTheSource) {
    BuildOutputRegistry();
    OutputRegistry.insert("several", OutputFormatEntry{"several", "test", "1,8,24,32"});
    const struct {
        const char* format;
        int source, depth;
    } cases[] = {
        {"psd", 1, 32},      {"psd", 32, 32},     {"psd", 48, 32},   {"psd", 64, 32},
        {"several", 1, 1},   {"several", 2, 8},   {"several", 8, 8}, {"several", 24, 24},
        {"several", 25, 32}, {"several", 96, 32}, {"unknown", 8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.format << " " << c.source);
        EXPECT_EQ(AutoBitDepth(c.format, c.source), c.depth);
    }
    OutputRegistry.remove("several");
}

TEST(ConvertColourDepth, ConvertsToTheOutputDepth) {
    BuildOutputRegistry();
    const struct {
        int depth;
        const char* type;
        FREE_IMAGE_TYPE imageType;
        unsigned bpp, greenMask;
    } cases[] = {
        {32, "psd", FIT_BITMAP, 32, 0},
        {24, "psd", FIT_BITMAP, 24, 0},
        {16, "psd", FIT_BITMAP, 16, FI16_565_GREEN_MASK},
        {16, "tga", FIT_BITMAP, 16, FI16_555_GREEN_MASK},
        {16, "ico", FIT_BITMAP, 16, FI16_555_GREEN_MASK},
        {8, "psd", FIT_BITMAP, 8, 0},
        {8, "jpg", FIT_BITMAP, 8, 0},
        {4, "psd", FIT_BITMAP, 4, 0},
        {1, "psd", FIT_BITMAP, 1, 0},
        {48, "psd", FIT_RGB16, 48, 0},
        {96, "psd", FIT_RGBF, 96, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.depth << " " << c.type);
        ResetJob();
        ConversionJob.conversionType = c.type;
        ConversionJob.outputBitDepth = c.depth;
        FIBITMAP* image = ConvertColourDepth(MakeRgb(7, 5));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(FreeImage_GetImageType(image), c.imageType);
        EXPECT_EQ(FreeImage_GetBPP(image), c.bpp);
        EXPECT_EQ(FreeImage_GetWidth(image), 7u);
        EXPECT_EQ(FreeImage_GetHeight(image), 5u);
        if (c.greenMask) {
            EXPECT_EQ(FreeImage_GetGreenMask(image), c.greenMask);
        }
        FreeImage_Unload(image);
    }
}

TEST(ConvertColourDepth, KeepsAnImageAlreadyAtTheDepth) {
    ResetJob();
    ConversionJob.conversionType = "psd";
    ConversionJob.outputBitDepth = 24;
    FIBITMAP* image = MakeRgb(3, 3);
    EXPECT_EQ(ConvertColourDepth(image), image);
    FreeImage_Unload(image);
}

TEST(ConvertColourDepth, AutomaticDepthFollowsTheSourceDepthAsLoaded) {
    BuildOutputRegistry();
    for (int source : {1, 8, 24, 32, 48, 64}) {
        SCOPED_TRACE(source);
        ResetJob();
        ConversionJob.conversionType = "psd";
        ConversionJob.automaticDepth = 1;
        ConversionJob.sourceBitDepth = source;
        FIBITMAP* image = ConvertColourDepth(MakeRgb(3, 3));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(ConversionJob.outputBitDepth, 32);
        EXPECT_EQ(FreeImage_GetBPP(image), 32u);
        FreeImage_Unload(image);
    }
}

TEST(ConvertColourDepth, UnknownDepthYieldsNoImage) {
    for (int depth : {0, 2, 7, 64, 128, -8}) {
        SCOPED_TRACE(depth);
        ResetJob();
        ConversionJob.conversionType = "psd";
        ConversionJob.outputBitDepth = depth;
        EXPECT_EQ(ConvertColourDepth(MakeRgb(3, 3)), nullptr);
    }
    EXPECT_EQ(ConvertColourDepth(nullptr), nullptr);
}

TEST(ToneMapImage, BringsDeepImagesToEightBitsPerChannel) {
    const struct {
        const char* name;
        FREE_IMAGE_TYPE type;
        unsigned bpp;
        unsigned resultBpp;
    } cases[] = {
        {"RGB16", FIT_RGB16, 48, 24},    {"RGBA16", FIT_RGBA16, 64, 32},    {"grey16", FIT_UINT16, 16, 8},
        {"RGB float", FIT_RGBF, 96, 24}, {"grey float", FIT_FLOAT, 32, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FIBITMAP* image = FreeImage_AllocateT(c.type, 4, 3, c.bpp);
        ASSERT_NE(image, nullptr);
        image = ToneMapImage(image);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(FreeImage_GetImageType(image), FIT_BITMAP);
        EXPECT_EQ(FreeImage_GetBPP(image), c.resultBpp);
        FreeImage_Unload(image);
    }
}

TEST(ToneMapImage, KeepsEightBitImagesAsTheyAre) {
    for (unsigned bpp : {1u, 8u, 24u, 32u}) {
        SCOPED_TRACE(bpp);
        FIBITMAP* image = FreeImage_Allocate(4, 3, static_cast<int>(bpp));
        EXPECT_EQ(ToneMapImage(image), image);
        FreeImage_Unload(image);
    }
    EXPECT_EQ(ToneMapImage(nullptr), nullptr);
}

TEST(ToneMapImage, KeepsTheHighByteOfSixteenBitSamples) {
    FIBITMAP* image = FreeImage_AllocateT(FIT_RGBA16, 1, 1, 64);
    auto* pixel = reinterpret_cast<FIRGBA16*>(FreeImage_GetScanLine(image, 0));
    *pixel = FIRGBA16{0x12FF, 0xAB01, 0x7F80, 0x80FF};
    image = ToneMapImage(image);
    ASSERT_NE(image, nullptr);
    const BYTE* bytes = FreeImage_GetScanLine(image, 0);
    EXPECT_EQ(bytes[FI_RGBA_RED], 0x12);
    EXPECT_EQ(bytes[FI_RGBA_GREEN], 0xAB);
    EXPECT_EQ(bytes[FI_RGBA_BLUE], 0x7F);
    EXPECT_EQ(bytes[FI_RGBA_ALPHA], 0x80);
    FreeImage_Unload(image);
}
