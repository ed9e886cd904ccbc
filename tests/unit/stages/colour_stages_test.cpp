#include <gtest/gtest.h>
#include <set>

#include "bitmap_support.h"
#include "engine/adjust_colours.h"
#include "engine/greyscale.h"
#include "engine/threshold.h"
#include "settings/settings.h"

namespace {
Rgba Known(int, int) {
    return {10, 200, 30, 255};
}
Rgba Colourful(int x, int y) {
    return {static_cast<uint8_t>(x * 60), static_cast<uint8_t>(255 - y * 50), static_cast<uint8_t>((x * y * 37) & 255),
            static_cast<uint8_t>(x == 0 ? 0 : 255 - y * 40)};
}
Rgba OpaqueColourful(int x, int y) {
    Rgba colour = Colourful(x, y);
    colour.alpha = 255;
    return colour;
}
// Greys 0..255 in steps of 1 across 16 x 16 pixels.
Rgba Ramp(int x, int y) {
    const auto grey = static_cast<uint8_t>(y * 16 + x);
    return {grey, grey, grey, 255};
}
Rgba TwoEntries(int i, int) {
    return i == 0 ? Rgba{0, 0, 0, 255} : Rgba{255, 255, 255, 255};
}

void ColourCorrection(int brightness, int contrast, float gamma, bool invert) {
    ResetSettings();
    auto& adjustment = ConversionSettings.adjustment;
    adjustment.doImageColorCorrection = 1;
    adjustment.imageBrightness = brightness;
    adjustment.imageContrast = contrast;
    adjustment.imageGamma = gamma;
    adjustment.imageInvert = invert ? 1 : 0;
}

void Threshold(int level) {
    ResetSettings();
    ConversionSettings.adjustment.doImageThreshold = 1;
    ConversionSettings.adjustment.imageThreshold = level;
}

uint8_t Grey(Rgba colour) {
    return colour.red;
}
}  // namespace

TEST(ColourStages, ReturnTheSameImageWhenSwitchedOff) {
    const struct {
        const char* name;
        FIBITMAP* (*stage)(FIBITMAP*);
    } cases[] = {{"adjust", AdjustColours}, {"greyscale", GreyscaleImage}, {"threshold", ThresholdImage}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSettings();
        // Values that would change the image if the stages were on.
        ConversionSettings.adjustment.imageInvert = 1;
        ConversionSettings.adjustment.imageBrightness = 50;
        ConversionSettings.adjustment.imageThreshold = 128;
        Bitmap image = MakeTrueColour(3, 2, 24, Known);
        FIBITMAP* given = image.get();
        Bitmap result(c.stage(image.release()));
        ASSERT_EQ(result.get(), given);
        EXPECT_EQ(BppOf(result.get()), 24);
        EXPECT_EQ(PixelAt(result.get(), 1, 1), Known(0, 0));
    }
}

TEST(ColourStages, PassNoImageOn) {
    ResetSettings();
    auto& adjustment = ConversionSettings.adjustment;
    adjustment.doImageColorCorrection = adjustment.doImageGreyscale = adjustment.doImageThreshold = 1;
    EXPECT_EQ(AdjustColours(nullptr), nullptr);
    EXPECT_EQ(GreyscaleImage(nullptr), nullptr);
    EXPECT_EQ(ThresholdImage(nullptr), nullptr);
}

TEST(AdjustColours, InvertsAKnownColourAndKeepsAlpha) {
    const struct {
        const char* name;
        Bitmap (*make)();
        int bpp;
        Rgba expected;
    } cases[] = {
        {"24-bit", [] { return MakeTrueColour(3, 2, 24, Known); }, 24, {245, 55, 225, 255}},
        {"32-bit, half clear",
         [] { return MakeTrueColour(3, 2, 32, [](int, int) {
                  return Rgba{10, 200, 30, 128};
              }); },
         32,
         {245, 55, 225, 128}},
        {"8-bit palette",
         [] {
             return MakePalette(
                 3, 2, 8,
                 [](int, int) {
                     return Rgba{10, 200, 30, 255};
                 },
                 [](int, int) { return 5; });
         },
         8,
         {245, 55, 225, 255}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColourCorrection(0, 0, 1.0f, true);
        Bitmap result(AdjustColours(c.make().release()));
        ASSERT_TRUE(result);
        EXPECT_EQ(BppOf(result.get()), c.bpp);
        EXPECT_EQ(PixelAt(result.get(), 2, 1), c.expected);
    }
}

TEST(AdjustColours, LeavesColoursAloneAtNeutralValues) {
    ColourCorrection(0, 0, 1.0f, false);
    Bitmap image = MakeTrueColour(4, 3, 32, Colourful);
    FIBITMAP* given = image.get();
    Bitmap result(AdjustColours(image.release()));
    ASSERT_EQ(result.get(), given);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelAt(result.get(), x, y), Colourful(x, y));
}

TEST(AdjustColours, MovesBrightnessContrastAndGammaTheRightWay) {
    const struct {
        const char* name;
        int brightness, contrast;
        float gamma;
        bool lighter;
    } cases[] = {
        {"brighter", 40, 0, 1.0f, true},
        {"darker", -40, 0, 1.0f, false},
        {"more contrast darkens darks", 0, 50, 1.0f, false},
        {"gamma above 1 lightens", 0, 0, 2.0f, true},
        {"gamma below 1 darkens", 0, 0, 0.5f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColourCorrection(c.brightness, c.contrast, c.gamma, false);
        Bitmap result(AdjustColours(MakeTrueColour(2, 2, 24, [](int, int) {
                                        return Rgba{80, 80, 80, 255};
                                    }).release()));
        ASSERT_TRUE(result);
        const uint8_t grey = PixelAt(result.get(), 1, 1).red;
        if (c.lighter) {
            EXPECT_GT(grey, 80);
        } else {
            EXPECT_LT(grey, 80);
        }
    }
}

TEST(AdjustColours, WidensOneAndFourBitImagesToTrueColour) {
    for (int bpp : {1, 4}) {
        SCOPED_TRACE(bpp);
        ColourCorrection(0, 0, 1.0f, true);
        Bitmap result(AdjustColours(MakePalette(5, 3, bpp, TwoEntries, [](int x, int) { return x % 2; }).release()));
        ASSERT_TRUE(result);
        EXPECT_EQ(BppOf(result.get()), 24);
        EXPECT_EQ(PixelAt(result.get(), 0, 0), (Rgba{255, 255, 255, 255}));
        EXPECT_EQ(PixelAt(result.get(), 1, 0), (Rgba{0, 0, 0, 255}));
    }
}

TEST(GreyscaleImage, GivesEqualRedGreenAndBlue) {
    const struct {
        const char* name;
        Bitmap (*make)();
        int bpp;
    } cases[] = {
        {"24-bit", [] { return MakeTrueColour(4, 3, 24, Colourful); }, 8},
        {"opaque 32-bit", [] { return MakeTrueColour(4, 3, 32, OpaqueColourful); }, 8},
        {"8-bit palette", [] { return MakePalette(4, 3, 8, OpaqueColourful, [](int x, int y) { return x * 3 + y; }); },
         8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSettings();
        ConversionSettings.adjustment.doImageGreyscale = 1;
        Bitmap result(GreyscaleImage(c.make().release()));
        ASSERT_TRUE(result);
        EXPECT_EQ(BppOf(result.get()), c.bpp);
        std::set<int> greys;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
                const Rgba pixel = PixelAt(result.get(), x, y);
                EXPECT_EQ(pixel.green, pixel.red);
                EXPECT_EQ(pixel.blue, pixel.red);
                greys.insert(pixel.red);
            }
        EXPECT_GT(greys.size(), 3u) << "the picture should survive as shades of grey";
    }
}

TEST(GreyscaleImage, WeighsTheChannelsByTheirLuminance) {
    // Rec. 709 weights: 0.2126, 0.7152 and 0.0722.
    const struct {
        Rgba colour;
        int low, high;
    } cases[] = {
        {{255, 0, 0, 255}, 53, 55},      {{0, 255, 0, 255}, 181, 183},     {{0, 0, 255, 255}, 17, 19},
        {{100, 100, 100, 255}, 99, 101}, {{255, 255, 255, 255}, 255, 255}, {{0, 0, 0, 255}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.colour);
        ResetSettings();
        ConversionSettings.adjustment.doImageGreyscale = 1;
        Bitmap result(GreyscaleImage(MakeTrueColour(1, 1, 24, [&](int, int) { return c.colour; }).release()));
        ASSERT_TRUE(result);
        const int grey = Grey(PixelAt(result.get(), 0, 0));
        EXPECT_GE(grey, c.low);
        EXPECT_LE(grey, c.high);
    }
}

TEST(GreyscaleImage, KeepsTheAlphaOfATransparentImage) {
    const struct {
        const char* name;
        Bitmap (*make)();
    } cases[] = {
        {"32-bit", [] { return MakeTrueColour(4, 3, 32, Colourful); }},
        {"transparent palette", [] { return MakePalette(4, 3, 8, Colourful, [](int x, int y) { return x * 3 + y; }); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSettings();
        ConversionSettings.adjustment.doImageGreyscale = 1;
        Bitmap image = c.make();
        Bitmap source(FreeImage_Clone(image.get()));
        Bitmap result(GreyscaleImage(image.release()));
        ASSERT_TRUE(result);
        EXPECT_EQ(BppOf(result.get()), 32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
                const Rgba pixel = PixelAt(result.get(), x, y);
                EXPECT_EQ(pixel.green, pixel.red);
                EXPECT_EQ(pixel.blue, pixel.red);
                EXPECT_EQ(pixel.alpha, PixelAt(source.get(), x, y).alpha);
            }
    }
}

TEST(ThresholdImage, GivesOnlyBlackAndWhiteCutAtTheLevel) {
    // Levels above 255 and below 0 keep their low 8 bits: 300 acts as 44.
    const struct {
        int level;
        int cut;
    } cases[] = {
        {0, 0}, {1, 1}, {44, 44}, {128, 128}, {255, 255}, {256, 0}, {300, 44}, {556, 44}, {-1, 255}, {-212, 44},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        Threshold(c.level);
        Bitmap result(ThresholdImage(MakeTrueColour(16, 16, 24, Ramp).release()));
        ASSERT_TRUE(result);
        EXPECT_EQ(BppOf(result.get()), 1);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const int grey = Grey(Ramp(x, y));
                SCOPED_TRACE(testing::Message() << "grey " << grey);
                const Rgba expected = grey >= c.cut ? Rgba{255, 255, 255, 255} : Rgba{0, 0, 0, 255};
                EXPECT_EQ(PixelAt(result.get(), x, y), expected);
            }
    }
}

TEST(ThresholdImage, TakesTheGreyImageOfTheGreyscaleStage) {
    ResetSettings();
    ConversionSettings.adjustment.doImageGreyscale = 1;
    ConversionSettings.adjustment.doImageThreshold = 1;
    ConversionSettings.adjustment.imageThreshold = 100;
    Bitmap grey(GreyscaleImage(MakeTrueColour(2, 1, 24, [](int x, int) {
                                   return x == 0 ? Rgba{0, 255, 0, 255} : Rgba{0, 0, 255, 255};
                               }).release()));
    ASSERT_TRUE(grey);
    ASSERT_EQ(BppOf(grey.get()), 8);
    Bitmap result(ThresholdImage(grey.release()));
    ASSERT_TRUE(result);
    EXPECT_EQ(BppOf(result.get()), 1);
    EXPECT_EQ(PixelAt(result.get(), 0, 0), (Rgba{255, 255, 255, 255}));  // green is light
    EXPECT_EQ(PixelAt(result.get(), 1, 0), (Rgba{0, 0, 0, 255}));        // blue is dark
}

TEST(ThresholdImage, KeepsTheAlphaOfATransparentImage) {
    Threshold(128);
    Bitmap image = MakeTrueColour(16, 16, 32, [](int x, int y) {
        Rgba c = Ramp(x, y);
        c.alpha = static_cast<uint8_t>(x * 17);
        return c;
    });
    Bitmap result(ThresholdImage(image.release()));
    ASSERT_TRUE(result);
    EXPECT_EQ(BppOf(result.get()), 32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const uint8_t value = Grey(Ramp(x, y)) >= 128 ? 255 : 0;
            EXPECT_EQ(PixelAt(result.get(), x, y), (Rgba{value, value, value, static_cast<uint8_t>(x * 17)}))
                << "pixel " << x << "," << y;
        }
}
