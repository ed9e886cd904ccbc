#include <gtest/gtest.h>
#include <limits>

#include "bitmap_support.h"
#include "engine/resize.h"
#include "settings/settings.h"

namespace {
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

Rgba Plain(int, int) {
    return {90, 120, 150, 255};
}
}  // namespace

TEST(ScaleToPixels, TakesPixelsAsTheyAre) {
    for (int32_t value : {0, 1, 640, -5, kMax, kMin}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ScaleToPixels(value, kUnitPixels, 123), value);
    }
}

TEST(ScaleToPixels, RoundsPercentToNearestWithHalvesToEven) {
    const struct {
        int32_t percent, size, pixels;
    } cases[] = {
        {50, 101, 50},
        {50, 103, 52},
        {50, 100, 50},
        {100, 77, 77},
        {200, 77, 154},
        {10, 25, 2},
        {30, 25, 8},
        {1, 49, 0},
        {1, 50, 0},
        {1, 51, 1},
        {1, 150, 2},
        {33, 300, 99},
        {0, 500, 0},
        {150, 3, 4},
        {250, 1, 2},
        // Exact halves that doubles would miss: 35% of 90 is 31.5, 7% of 150 is 10.5.
        {35, 90, 32},
        {7, 150, 10},
        {55, 110, 60},
        {41, 150, 62},
        {-50, 101, -50},
        {-50, 103, -52},
        {-10, 7, -1},
        {1000000, 1000, 10000000},
        {1000000, 1000000, kMax},
        {kMax, kMax, kMax},
        {kMin, kMax, kMin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.percent << "% of " << c.size);
        EXPECT_EQ(ScaleToPixels(c.percent, kUnitPercent, c.size), c.pixels);
    }
}

TEST(ScaleToPixels, GivesZeroForAnUnknownUnit) {
    for (int32_t unit : {2, 3, -1, 127}) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(ScaleToPixels(50, unit, 100), 0);
    }
}

TEST(ResizedSize, FollowsTheTargetAndAspectRules) {
    const struct {
        const char* name;
        int32_t width, height;
        int32_t targetWidth, widthUnit, targetHeight, heightUnit;
        bool keep;
        int32_t type;
        bool resized;
        int32_t newWidth, newHeight;
    } cases[] = {
        {"plain target", 400, 300, 200, kUnitPixels, 100, kUnitPixels, false, kResizeAllImages, true, 200, 100},
        {"enlarging", 40, 30, 400, kUnitPixels, 300, kUnitPixels, false, kResizeAllImages, true, 400, 300},
        {"percent both", 400, 300, 50, kUnitPercent, 50, kUnitPercent, false, kResizeAllImages, true, 200, 150},
        {"percent width, pixel height", 400, 300, 25, kUnitPercent, 30, kUnitPixels, false, kResizeAllImages, true, 100,
         30},
        {"50 percent with height 0", 400, 300, 50, kUnitPercent, 0, kUnitPixels, false, kResizeAllImages, false, 0, 0},
        {"width 0", 400, 300, 0, kUnitPixels, 100, kUnitPixels, true, kResizeAllImages, false, 0, 0},
        {"negative width", 400, 300, -200, kUnitPixels, 100, kUnitPixels, false, kResizeAllImages, false, 0, 0},
        {"negative height", 400, 300, 200, kUnitPixels, -100, kUnitPixels, false, kResizeAllImages, false, 0, 0},
        {"0 percent height", 400, 300, 50, kUnitPercent, 0, kUnitPercent, false, kResizeAllImages, false, 0, 0},
        {"unknown unit", 400, 300, 200, 2, 100, kUnitPixels, false, kResizeAllImages, false, 0, 0},
        {"same size", 400, 300, 400, kUnitPixels, 300, kUnitPixels, false, kResizeAllImages, false, 0, 0},
        {"100 percent", 400, 300, 100, kUnitPercent, 100, kUnitPercent, true, kResizeAllImages, false, 0, 0},
        {"same size, keep aspect", 400, 300, 400, kUnitPixels, 300, kUnitPixels, true, kResizeAllImages, false, 0, 0},
        {"keep aspect, landscape", 400, 300, 200, kUnitPixels, 999, kUnitPixels, true, kResizeAllImages, true, 200,
         150},
        {"keep aspect, portrait", 300, 400, 999, kUnitPixels, 200, kUnitPixels, true, kResizeAllImages, true, 150, 200},
        {"keep aspect exceeds other target", 1000, 500, 300, kUnitPixels, 100, kUnitPixels, true, kResizeAllImages,
         true, 300, 150},
        {"keep aspect, square goes by width", 100, 100, 50, kUnitPixels, 80, kUnitPixels, true, kResizeAllImages, true,
         50, 50},
        // The height target differs, but the aspect rule brings back the size the image has.
        {"keep aspect, comes to the same size", 400, 300, 400, kUnitPixels, 10, kUnitPixels, true, kResizeAllImages,
         false, 0, 0},
        // 640 / (640 / 480) is 480 in exact numbers; halves go up: 3 / (2 / 1) = 1.5 -> 2.
        {"keep aspect, half rounds up", 2, 1, 3, kUnitPixels, 7, kUnitPixels, true, kResizeAllImages, true, 3, 2},
        {"keep aspect, portrait half", 1, 2, 7, kUnitPixels, 5, kUnitPixels, true, kResizeAllImages, true, 3, 5},
        {"keep aspect, 3:2 to 100", 3, 2, 100, kUnitPixels, 1, kUnitPixels, true, kResizeAllImages, true, 100, 67},
        {"keep aspect, float ratio 7:3", 700, 300, 10, kUnitPixels, 1, kUnitPixels, true, kResizeAllImages, true, 10,
         4},
        {"keep aspect, thin strip keeps a pixel", 1000, 1, 10, kUnitPixels, 1, kUnitPixels, true, kResizeAllImages,
         true, 10, 1},
        {"keep aspect, tall strip keeps a pixel", 1, 1000, 1, kUnitPixels, 10, kUnitPixels, true, kResizeAllImages,
         true, 1, 10},
        {"keep aspect, huge target", 1, 1, kMax, kUnitPixels, 1, kUnitPixels, true, kResizeAllImages, true, kMax, kMax},
        {"large only, smaller both ways", 100, 100, 200, kUnitPixels, 200, kUnitPixels, false, kResizeLargeImages,
         false, 0, 0},
        {"large only, smaller one way", 100, 100, 200, kUnitPixels, 100, kUnitPixels, false, kResizeLargeImages, true,
         200, 100},
        {"large only, smaller one way, keep aspect", 100, 100, 200, kUnitPixels, 100, kUnitPixels, true,
         kResizeLargeImages, true, 200, 200},
        {"large only, larger both ways", 300, 200, 150, kUnitPixels, 100, kUnitPixels, false, kResizeLargeImages, true,
         150, 100},
        {"large only, wider, shorter", 300, 50, 150, kUnitPixels, 100, kUnitPixels, false, kResizeLargeImages, true,
         150, 100},
        {"unknown resize type acts as all", 100, 100, 200, kUnitPixels, 200, kUnitPixels, false, 7, true, 200, 200},
        {"empty image", 0, 100, 50, kUnitPixels, 50, kUnitPixels, true, kResizeAllImages, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ResizeRules rules{c.targetWidth, c.widthUnit, c.targetHeight, c.heightUnit, c.keep, c.type};
        int32_t newWidth = 0, newHeight = 0;
        EXPECT_EQ(ResizedSize(c.width, c.height, rules, &newWidth, &newHeight), c.resized);
        if (!c.resized) continue;
        EXPECT_EQ(newWidth, c.newWidth);
        EXPECT_EQ(newHeight, c.newHeight);
    }
}

TEST(ResizeFilter, MapsTheAlgorithmCodes) {
    const struct {
        int8_t code;
        FREE_IMAGE_FILTER filter;
    } cases[] = {
        {0, FILTER_BOX},      {1, FILTER_BILINEAR}, {2, FILTER_BSPLINE},  {3, FILTER_BICUBIC},   {4, FILTER_CATMULLROM},
        {5, FILTER_LANCZOS3}, {6, FILTER_BICUBIC},  {-1, FILTER_BICUBIC}, {127, FILTER_BICUBIC},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.code));
        ResetSettings();
        ConversionSettings.transform.imageResizeAlgorithm = c.code;
        EXPECT_EQ(ResizeFilter(), c.filter);
    }
}

TEST(ResizeImage, ScalesRealBitmapsToTheRuleSize) {
    const struct {
        const char* name;
        int width, height, bpp;
        int32_t targetWidth, widthUnit, targetHeight, heightUnit;
        bool keep;
        int32_t type;
        int8_t algorithm;
        int newWidth, newHeight;
    } cases[] = {
        {"24-bit, bicubic", 40, 30, 24, 20, kUnitPixels, 10, kUnitPixels, false, kResizeAllImages, 3, 20, 10},
        {"32-bit, box, enlarge", 4, 3, 32, 8, kUnitPixels, 9, kUnitPixels, false, kResizeAllImages, 0, 8, 9},
        {"8-bit palette, lanczos", 40, 30, 8, 50, kUnitPercent, 50, kUnitPercent, false, kResizeAllImages, 5, 20, 15},
        {"1-bit, bilinear", 40, 30, 1, 13, kUnitPixels, 7, kUnitPixels, false, kResizeAllImages, 1, 13, 7},
        {"keep aspect, b-spline", 400, 300, 24, 200, kUnitPixels, 999, kUnitPixels, true, kResizeAllImages, 2, 200,
         150},
        {"keep aspect portrait, catmull-rom", 30, 40, 32, 999, kUnitPixels, 20, kUnitPixels, true, kResizeAllImages, 4,
         15, 20},
        {"thin strip", 100, 1, 24, 10, kUnitPixels, 1, kUnitPixels, true, kResizeAllImages, 3, 10, 1},
        {"large only, one side smaller", 10, 10, 24, 20, kUnitPixels, 10, kUnitPixels, true, kResizeLargeImages, 3, 20,
         20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSettings();
        auto& transform = ConversionSettings.transform;
        transform.doImageResize = 1;
        transform.imageWidth = c.targetWidth;
        transform.imageWidthUnit = static_cast<int8_t>(c.widthUnit);
        transform.imageHeight = c.targetHeight;
        transform.imageHeightUnit = static_cast<int8_t>(c.heightUnit);
        transform.keepAspectRatio = c.keep;
        transform.imageResizeType = static_cast<int8_t>(c.type);
        transform.imageResizeAlgorithm = c.algorithm;
        Bitmap image = c.bpp >= 24 ? MakeTrueColour(c.width, c.height, c.bpp, Plain)
                                   : MakePalette(c.width, c.height, c.bpp, Plain, [](int, int) { return 0; });
        Bitmap result(ResizeImage(image.release(), c.width, c.height));
        ASSERT_TRUE(result);
        EXPECT_EQ(WidthOf(result.get()), c.newWidth);
        EXPECT_EQ(HeightOf(result.get()), c.newHeight);
    }
}

TEST(ResizeImage, ReturnsTheSameImageWhenNothingIsToBeDone) {
    const struct {
        const char* name;
        int8_t on;
        int32_t width, height;
        int8_t type;
    } cases[] = {
        {"resize off", 0, 20, 10, kResizeAllImages},
        {"target width 0", 1, 0, 10, kResizeAllImages},
        {"target height 0", 1, 20, 0, kResizeAllImages},
        {"same size", 1, 40, 30, kResizeAllImages},
        {"large only, image smaller", 1, 80, 60, kResizeLargeImages},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSettings();
        auto& transform = ConversionSettings.transform;
        transform.doImageResize = c.on;
        transform.imageWidth = c.width;
        transform.imageHeight = c.height;
        transform.imageResizeType = c.type;
        Bitmap image = MakeTrueColour(40, 30, 24, Plain);
        FIBITMAP* given = image.get();
        Bitmap result(ResizeImage(image.release(), 40, 30));
        EXPECT_EQ(result.get(), given);
        EXPECT_EQ(WidthOf(result.get()), 40);
        EXPECT_EQ(HeightOf(result.get()), 30);
    }
}

TEST(ResizeImage, YieldsNoImageBeyondThePsdLimits) {
    const struct {
        int32_t width, height;
        int8_t keep;
    } cases[] = {
        {30001, 10, 0}, {10, 30001, 0}, {30000, 30000, 0}, {100000, 1, 1}, {2147483647, 2147483647, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " keep " << int(c.keep));
        ResetSettings();
        auto& transform = ConversionSettings.transform;
        transform.doImageResize = 1;
        transform.imageWidth = c.width;
        transform.imageHeight = c.height;
        transform.keepAspectRatio = c.keep;
        EXPECT_EQ(ResizeImage(MakeTrueColour(4, 3, 24, Plain).release(), 4, 3), nullptr);
    }
}

TEST(ResizeImage, PassesNoImageOn) {
    ResetSettings();
    ConversionSettings.transform.doImageResize = 1;
    ConversionSettings.transform.imageWidth = 20;
    ConversionSettings.transform.imageHeight = 10;
    EXPECT_EQ(ResizeImage(nullptr, 40, 30), nullptr);
}
