#include <gtest/gtest.h>

#include "drawing_test_support.h"
#include "engine/frame.h"
#include "engine/watermark_layout.h"
#include "settings/settings.h"

namespace {
// A 50 x 30 watermark on a 400 x 300 image, offsets 7 and 5.
WatermarkArea Area(int position, bool insideFrame) {
    WatermarkArea area;
    area.position = position;
    area.xOffset = 7;
    area.yOffset = 5;
    area.width = 400;
    area.height = 300;
    if (insideFrame) {
        // Frame widths left 20, right 30, top 10, bottom 40.
        area.left = 20;
        area.top = 10;
        area.width = 400 - 20 - 30;
        area.height = 300 - 10 - 40;
    }
    return area;
}
}  // namespace

TEST(WatermarkPosition, PlacesEachPositionInTheImageAndInsideTheFrame) {
    const struct {
        int position;
        bool insideFrame;
        WatermarkPoint expected;
    } cases[] = {
        {0, false, {7, 5}},
        {1, false, {175, 5}},
        {2, false, {343, 5}},
        {3, false, {7, 135}},
        {4, false, {175, 135}},
        {5, false, {343, 135}},
        {6, false, {7, 265}},
        {7, false, {175, 265}},
        {8, false, {343, 265}},
        {9, false, {0, 0}},
        {-1, false, {0, 0}},
        // Area 350 x 250 at (20, 10).
        {0, true, {27, 15}},
        {1, true, {170, 15}},
        {2, true, {313, 15}},
        {3, true, {27, 120}},
        {4, true, {170, 120}},
        {5, true, {313, 120}},
        {6, true, {27, 225}},
        {7, true, {170, 225}},
        {8, true, {313, 225}},
        {9, true, {20, 10}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "position " << c.position << (c.insideFrame ? " in frame" : ""));
        const WatermarkPoint at = WatermarkPosition(Area(c.position, c.insideFrame), 50, 30);
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
    }
}

TEST(WatermarkPosition, CentresTruncateTowardZero) {
    const struct {
        int64_t areaWidth, w;
        int64_t x;
    } cases[] = {{101, 50, 25}, {100, 51, 24}, {40, 51, -5}, {40, 50, -5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.areaWidth << " " << c.w);
        WatermarkArea area;
        area.position = 4;
        area.width = c.areaWidth;
        area.height = 10;
        EXPECT_EQ(WatermarkPosition(area, c.w, 10).x, c.x);
    }
}

TEST(CurrentWatermarkArea, TakesTheKindsSettingsAndTheFrameBoundary) {
    const struct {
        int8_t doWatermark;
        int8_t doFrame;
        int8_t boundary;
        WatermarkArea expected;
    } cases[] = {
        // Text: position 1, offsets 3/4; image: position 6, offsets 5/6. Frame L 11, R 12, T 13, B 14.
        {1, 0, 0, {1, 3, 4, 0, 0, 200, 100}},  {1, 1, 0, {1, 3, 4, 0, 0, 200, 100}},
        {1, 0, 1, {1, 3, 4, 0, 0, 200, 100}},  {1, 1, 1, {1, 3, 4, 11, 13, 177, 73}},
        {1, 2, 1, {1, 3, 4, 11, 13, 177, 73}}, {2, 1, 1, {6, 5, 6, 11, 13, 177, 73}},
        {2, 1, 0, {6, 5, 6, 0, 0, 200, 100}},  {0, 1, 1, {-1, 0, 0, 0, 0, 200, 100}},
        {3, 1, 1, {-1, 0, 0, 0, 0, 200, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.doWatermark) << " frame " << int(c.doFrame) << " boundary "
                                        << int(c.boundary));
        ResetDrawingSettings();
        auto& w = ConversionSettings.watermark;
        w.doWatermark = c.doWatermark;
        w.textPosition = 1;
        w.textXOffset = 3;
        w.textYOffset = 4;
        w.imagePosition = 6;
        w.imageXOffset = 5;
        w.imageYOffset = 6;
        w.textBoundary = w.imageBoundary = c.boundary;
        auto& f = ConversionSettings.frame;
        f.doFrame = c.doFrame;
        f.solidLeft = 11;
        f.solidRight = 12;
        f.solidTop = 13;
        f.solidBottom = 14;
        const WatermarkArea area = CurrentWatermarkArea(200, 100);
        EXPECT_EQ(area.position, c.expected.position);
        EXPECT_EQ(area.xOffset, c.expected.xOffset);
        EXPECT_EQ(area.yOffset, c.expected.yOffset);
        EXPECT_EQ(area.left, c.expected.left);
        EXPECT_EQ(area.top, c.expected.top);
        EXPECT_EQ(area.width, c.expected.width);
        EXPECT_EQ(area.height, c.expected.height);
    }
}

TEST(FitWatermark, CutsToTheAreaLessTheOffsets) {
    const struct {
        int position;
        int64_t w, h, xOffset, yOffset;
        WatermarkSize expected;
    } cases[] = {
        {8, 300, 50, 10, 10, {190, 50}},  {0, 50, 300, 10, 10, {50, 90}},
        {4, 300, 300, 10, 20, {190, 80}},                                  // centred positions count the offsets too
        {8, 190, 90, 10, 10, {190, 90}},                                   // just fits
        {8, 191, 91, 10, 10, {190, 90}},  {8, 50, 50, 200, 10, {0, 50}},   // nothing left across
        {8, 50, 50, 250, 10, {-50, 50}},  {8, 50, 50, -20, 10, {50, 50}},  // a negative offset never grows the mark
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " offsets " << c.xOffset << "/" << c.yOffset);
        WatermarkArea area;
        area.position = c.position;
        area.xOffset = c.xOffset;
        area.yOffset = c.yOffset;
        area.width = 200;
        area.height = 100;
        EXPECT_EQ(FittedWatermarkSize(area, c.w, c.h), c.expected);
    }
}

TEST(FitWatermark, KeepsTheTopLeftPartOrNothing) {
    ResetDrawingSettings();
    WatermarkArea area;
    area.position = 0;
    area.xOffset = 10;
    area.yOffset = 0;
    area.width = 200;
    area.height = 100;
    // Left half red, right half blue, top rows green.
    FIBITMAP* mark = SolidBitmap(300, 40, {255, 0, 0}, 32);
    for (int y = 0; y < 40; ++y) {
        BYTE* row = FreeImage_GetScanLine(mark, 39 - y);
        for (int x = 150; x < 300; ++x) {
            row[x * 4 + FI_RGBA_RED] = 0;
            row[x * 4 + FI_RGBA_BLUE] = 255;
        }
    }
    FIBITMAP* cut = FitWatermark(mark, area, 300, 40);
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(FreeImage_GetWidth(cut), 190u);
    EXPECT_EQ(FreeImage_GetHeight(cut), 40u);
    EXPECT_EQ(PixelAt(cut, 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(PixelAt(cut, 189, 39), (Rgb{0, 0, 255}));
    FreeImage_Unload(cut);

    area.xOffset = 200;
    EXPECT_EQ(FitWatermark(SolidBitmap(300, 40, {1, 2, 3}, 32), area, 300, 40), nullptr);
}

TEST(LineX, FollowsTheAlignment) {
    const struct {
        int alignment;
        int64_t lineWidth, blockWidth, padding, x;
    } cases[] = {
        {0, 40, 100, 5, 5},    {1, 40, 100, 5, 30},  {2, 40, 100, 5, 55},
        {1, 41, 100, 5, 30},                          // 29.5 rounds away from zero
        {1, 43, 100, 5, 29},                          // 28.5
        {1, 120, 100, 0, -10}, {1, 101, 100, 0, -1},  // -0.5 rounds to -1
        {2, 120, 100, 5, -25}, {3, 40, 100, 5, 0},   {-1, 40, 100, 5, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "alignment " << c.alignment << " line " << c.lineWidth);
        EXPECT_EQ(LineX(c.alignment, c.lineWidth, c.blockWidth, c.padding), c.x);
    }
}

TEST(WatermarkLines, SplitAtEachLineBreakInAnyCase) {
    const struct {
        const char* text;
        QStringList lines;
    } cases[] = {
        {"one line", {"one line"}},
        {"first%eol%second", {"first", "second"}},
        {"first%EOL%second", {"first", "second"}},
        {"a%Eol%b%eOl%c", {"a", "b", "c"}},
        {"%eol%", {"", ""}},
        {"50%eol", {"50%eol"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WatermarkLines(QString::fromUtf8(c.text)), c.lines);
    }
}

TEST(TextBlock, SizesSingleAndSeveralLines) {
    const struct {
        const char* name;
        std::vector<LineExtent> lines;
        int64_t leading, padding;
        TextBlock expected;
    } cases[] = {
        {"one line is its own size", {{57, 21}}, 0, 0, {57, 21, 0}},
        {"one line has no minimum", {{4, 6}}, 3, 0, {4, 6, 0}},
        {"one line with padding", {{57, 21}}, 0, 4, {65, 29, 0}},
        {"two lines step by the taller", {{57, 21}, {30, 23}}, 0, 0, {57, 46, 23}},
        {"leading adds to the step", {{57, 21}, {30, 21}}, 5, 0, {57, 47, 26}},
        {"three lines", {{10, 20}, {80, 20}, {30, 20}}, 2, 3, {86, 20 + 2 * 22 + 6, 22}},
        {"several lines are at least 10", {{4, 6}, {0, 6}}, 0, 0, {10, 20, 10}},
        {"negative leading", {{40, 20}, {40, 20}}, -5, 0, {40, 35, 15}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TextBlock block = LayOutTextBlock(c.lines, c.leading, c.padding);
        EXPECT_EQ(block.width, c.expected.width);
        EXPECT_EQ(block.height, c.expected.height);
        EXPECT_EQ(block.step, c.expected.step);
    }
}

TEST(GreyFilter, WeighsTheChannelsAndKeepsAlpha) {
    const struct {
        CanvasPixel in;
        uint8_t grey;
    } cases[] = {
        {{0, 0, 0, 255}, 0},   {{255, 255, 255, 255}, 255}, {{255, 0, 0, 10}, 76},
        {{0, 255, 0, 0}, 149}, {{0, 0, 255, 128}, 28},      {{100, 150, 200, 77}, 140},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.in.red) << "," << int(c.in.green) << "," << int(c.in.blue));
        const CanvasPixel out = GreyFilter(c.in);
        EXPECT_EQ(out, (CanvasPixel{c.grey, c.grey, c.grey, c.in.alpha}));
    }
}

TEST(FrameBandPaths, WritesTheFourMitredBands) {
    const struct {
        int w, h, l, r, t, b;
        std::array<QString, 4> paths;
    } cases[] = {
        {100,
         80,
         10,
         20,
         5,
         15,
         {"M 0 0 l 100 0 l -20 5 l -70 0 Z", "M 100 0 l 0 80 l -20 -15 l 0 -60 Z",
          "M 100 80 l -100 0 l 10 -15 l 70 0 Z", "M 0 80 l 0 -80 l 10 5 l 0 60 Z"}},
        // Bands wider than the image: the negative lengths follow the fixed signs.
        {10,
         10,
         8,
         8,
         6,
         6,
         {"M 0 0 l 10 0 l -8 6 l --6 0 Z", "M 10 0 l 0 10 l -8 -6 l 0 --2 Z", "M 10 10 l -10 0 l 8 -6 l -6 0 Z",
          "M 0 10 l 0 -10 l 8 6 l 0 -2 Z"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        EXPECT_EQ(FrameBandPaths(c.w, c.h, c.l, c.r, c.t, c.b), c.paths);
    }
}
