#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "drawing_test_support.h"
#include "engine/watermark.h"
#include "platform/font.h"
#include "platform/text_drawing.h"
#include "settings/settings.h"

namespace {
const Rgb kGrey{100, 110, 120};
const Rgb kMark{250, 20, 10};

// An image watermark of a 12 x 8 PNG in kMark with the given alpha.
class ImageWatermark : public testing::Test {
protected:
    void SetUp() override {
        ResetDrawingSettings();
        path_ = dir_.path() + "/mark.png";
        ASSERT_TRUE(WriteSolidPng(path_, 12, 8, {250, 20, 10, 255}));
        ConversionSettings.watermark.doWatermark = 2;
        ConversionSettings.watermark.image = path_;
    }

    FIBITMAP* Draw(int width = 100, int height = 80) {
        return DrawWatermark(SolidBitmap(width, height, kGrey), width, height);
    }

    QTemporaryDir dir_;
    QString path_;
};

// A text watermark in Arial, with the font in the watermark slot.
class TextWatermark : public testing::Test {
protected:
    void SetUp() override {
        ResetDrawingSettings();
        auto& w = ConversionSettings.watermark;
        w.doWatermark = 1;
        w.text = "Tolvane";
        w.backOpacity = 255;
        w.backColor = "0000FF";
        w.fontColor = "FFFFFF";
        UseFont(0);
    }
    void TearDown() override { SetWatermarkFont(nullptr); }

    void UseFont(int style) {
        SetWatermarkFont(LoadFont("Arial", 14, style));
        ASSERT_NE(WatermarkFont(), nullptr);
    }

    TextExtent Line(const QString& text) const { return MeasurePlainText(WatermarkFont(), text); }

    FIBITMAP* Draw(int width = 200, int height = 120) {
        return DrawWatermark(SolidBitmap(width, height, kGrey), width, height);
    }
};
}  // namespace

TEST_F(ImageWatermark, LandsAtThePositionAndOffsets) {
    const struct {
        const char* name;
        int8_t position;
        int xOffset, yOffset;
        int8_t doFrame;
        int8_t boundary;
        int left, top;
    } cases[] = {
        {"top-left", 0, 10, 10, 0, 0, 10, 10},
        {"bottom-right, 10 in from the corner", 8, 10, 10, 0, 0, 100 - 12 - 10, 80 - 8 - 10},
        {"top-left inside a frame of 20", 0, 10, 10, 1, 1, 30, 30},
        {"bottom-right inside a frame of 20", 8, 10, 10, 1, 1, 100 - 20 - 12 - 10, 80 - 20 - 8 - 10},
        {"frame boundary without a frame", 0, 10, 10, 0, 1, 10, 10},
        {"image boundary with a frame", 0, 10, 10, 1, 0, 10, 10},
        {"middle-centre ignores the offsets", 4, 10, 10, 0, 0, 44, 36},
        {"top-left at the corner", 0, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& w = ConversionSettings.watermark;
        w.imagePosition = c.position;
        w.imageXOffset = c.xOffset;
        w.imageYOffset = c.yOffset;
        w.imageBoundary = c.boundary;
        auto& f = ConversionSettings.frame;
        f.doFrame = c.doFrame;
        f.solidLeft = f.solidRight = f.solidTop = f.solidBottom = 20;
        FIBITMAP* image = Draw();
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(FreeImage_GetBPP(image), 24u);
        const Changes changes = ChangedPixels(image, kGrey);
        EXPECT_EQ(changes.count, 12 * 8);
        EXPECT_EQ(changes.left, c.left);
        EXPECT_EQ(changes.top, c.top);
        EXPECT_EQ(PixelAt(image, c.left, c.top), kMark);
        FreeImage_Unload(image);
    }
}

TEST_F(ImageWatermark, OpacityAndGreyscaleColourTheMark) {
    const struct {
        const char* name;
        int opacity;
        int8_t greyscale;
        CanvasPixel file;
        Rgb expected;
        int tolerance;
    } cases[] = {
        {"opaque", 255, 0, {250, 20, 10, 255}, kMark, 0},
        {"half", 128, 0, {250, 20, 10, 255}, {175, 65, 65}, 2},
        {"invisible", 0, 0, {250, 20, 10, 255}, kGrey, 0},
        {"translucent file", 255, 0, {250, 20, 10, 128}, {175, 65, 65}, 2},
        {"translucent file at half", 128, 0, {250, 20, 10, 128}, {138, 88, 92}, 2},
        {"grey", 255, 1, {250, 20, 10, 255}, {88, 88, 88}, 0},
        {"grey at half", 128, 1, {250, 20, 10, 255}, {93, 98, 103}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteSolidPng(path_, 12, 8, c.file));
        ConversionSettings.watermark.imageOpacity = c.opacity;
        ConversionSettings.watermark.imageGreyscale = c.greyscale;
        FIBITMAP* image = Draw();
        ASSERT_NE(image, nullptr);
        const Rgb p = PixelAt(image, 100 - 10 - 6, 80 - 10 - 4);
        EXPECT_TRUE(Near(p, c.expected, c.tolerance)) << p;
        FreeImage_Unload(image);
    }
}

TEST_F(ImageWatermark, IsCutToTheImageLessTheOffset) {
    // A 300-wide mark on a 200-wide image with offset 10 keeps 190 columns.
    ASSERT_TRUE(WriteSolidPng(path_, 300, 20, {250, 20, 10, 255}));
    auto& w = ConversionSettings.watermark;
    w.imagePosition = 0;
    const struct {
        int8_t position;
        int left, width;
    } cases[] = {{0, 10, 190}, {8, 0, 190}, {4, 5, 190}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.position));
        w.imagePosition = c.position;
        FIBITMAP* image = Draw(200, 50);
        ASSERT_NE(image, nullptr);
        const Changes changes = ChangedPixels(image, kGrey);
        EXPECT_EQ(changes.left, c.left);
        EXPECT_EQ(changes.right - changes.left + 1, c.width);
        EXPECT_EQ(changes.count, c.width * 20);
        FreeImage_Unload(image);
    }
}

TEST_F(ImageWatermark, WithoutAPlaceToGoOnlyTheDepthChanges) {
    const struct {
        const char* name;
        QString file;
        int xOffset, yOffset;
        int8_t position;
    } cases[] = {
        {"no file named", "", 10, 10, 8},
        {"missing file", "/nonexistent/mark.png", 10, 10, 8},
        {"offset as wide as the image", "mark", 100, 10, 0},
        {"offset beyond the image", "mark", 10, 500, 0},
        {"negative offset at the far edge", "mark", -5, 10, 8},
        {"negative offset pushes it out", "mark", -5, 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& w = ConversionSettings.watermark;
        w.image = c.file == "mark" ? path_ : c.file;
        w.imageXOffset = c.xOffset;
        w.imageYOffset = c.yOffset;
        w.imagePosition = c.position;
        FIBITMAP* image = DrawWatermark(SolidBitmap(100, 80, kGrey, 32), 100, 80);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(FreeImage_GetBPP(image), 24u);
        EXPECT_EQ(ChangedPixels(image, kGrey).count, 0);
        FreeImage_Unload(image);
    }
}

TEST_F(ImageWatermark, RotationTurnsTheMark) {
    const struct {
        int angle;
        int width, height;
    } cases[] = {{0, 12, 8}, {90, 8, 12}, {180, 12, 8}, {270, 8, 12}, {360, 12, 8}, {-90, 12, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        auto& w = ConversionSettings.watermark;
        w.imageRotation = c.angle;
        w.imagePosition = 0;
        FIBITMAP* image = Draw();
        ASSERT_NE(image, nullptr);
        const Changes changes = ChangedPixels(image, kGrey);
        EXPECT_EQ(changes.right - changes.left + 1, c.width);
        EXPECT_EQ(changes.bottom - changes.top + 1, c.height);
        EXPECT_EQ(changes.left, 10);
        EXPECT_EQ(changes.top, 10);
        FreeImage_Unload(image);
    }
}

TEST_F(ImageWatermark, OffLeavesTheImageAsItIs) {
    ConversionSettings.watermark.doWatermark = 0;
    FIBITMAP* input = SolidBitmap(20, 20, kGrey, 32);
    EXPECT_EQ(DrawWatermark(input, 20, 20), input);
    EXPECT_EQ(FreeImage_GetBPP(input), 32u);
    FreeImage_Unload(input);
}

TEST_F(TextWatermark, ChangesPixelsOnlyInsideItsBox) {
    const struct {
        const char* name;
        int8_t antialiasing;
        const char* text;
        int lines;
    } cases[] = {
        {"plain", 0, "Tolvane", 1},
        {"antialiased", 1, "Tolvane", 1},
        {"plain, two lines", 0, "Tolvane%eol%PNG to PSD", 2},
        {"antialiased, two lines", 1, "Tolvane%EOL%PNG to PSD", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& w = ConversionSettings.watermark;
        w.textAntialiasing = c.antialiasing;
        w.text = c.text;
        const TextExtent first = Line("Tolvane");
        const TextExtent second = Line("PNG to PSD");
        const int boxWidth = c.lines == 1 ? first.width : std::max(first.width, second.width);
        const int boxHeight = c.lines == 1 ? first.height : 2 * first.height;
        FIBITMAP* image = Draw();
        ASSERT_NE(image, nullptr);
        // Defaults: bottom-right, 10 pixels in from the corner.
        const int left = 200 - 10 - boxWidth;
        const int top = 120 - 10 - boxHeight;
        const Changes changes = ChangedPixels(image, kGrey);
        EXPECT_EQ(changes.left, left);
        EXPECT_EQ(changes.top, top);
        EXPECT_EQ(changes.right, left + boxWidth - 1);
        EXPECT_EQ(changes.bottom, top + boxHeight - 1);
        // The opaque box and the text in it, nothing of the image.
        int white = 0;
        for (int y = top; y < top + boxHeight; ++y)
            for (int x = left; x < left + boxWidth; ++x) {
                const Rgb p = PixelAt(image, x, y);
                ASSERT_EQ(p.red, p.green) << x << "," << y;
                ASSERT_LE(p.red, p.blue) << x << "," << y;
                white += p == Rgb{255, 255, 255} ? 1 : 0;
            }
        EXPECT_GT(white, 30 * c.lines);
        FreeImage_Unload(image);
    }
}

TEST_F(TextWatermark, PlainTextHasOnlyTwoColoursAndSmoothTextMore) {
    const struct {
        int8_t antialiasing;
        bool mixed;
    } cases[] = {{0, false}, {1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.antialiasing));
        ConversionSettings.watermark.textAntialiasing = c.antialiasing;
        ConversionSettings.watermark.textPosition = 0;
        FIBITMAP* image = Draw();
        ASSERT_NE(image, nullptr);
        const TextExtent box = Line("Tolvane");
        int mixed = 0;
        for (int y = 10; y < 10 + box.height; ++y)
            for (int x = 10; x < 10 + box.width; ++x) {
                const Rgb p = PixelAt(image, x, y);
                mixed += (p == Rgb{255, 255, 255} || p == Rgb{0, 0, 255}) ? 0 : 1;
            }
        EXPECT_EQ(mixed > 0, c.mixed) << mixed;
        FreeImage_Unload(image);
    }
}

TEST_F(TextWatermark, LinesFollowTheAlignmentAndTheLeading) {
    // A short line under a long one: its white pixels start further right
    // the more the alignment pushes it.
    const struct {
        int8_t alignment;
        int leading;
        int padding;
    } cases[] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 6, 3}, {2, 6, 3}, {1, 0, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "alignment " << int(c.alignment) << " leading " << c.leading << " padding "
                                        << c.padding);
        auto& w = ConversionSettings.watermark;
        w.text = "WWWWWWWW%eol%I";
        w.textAlignment = c.alignment;
        w.fontLeading = c.leading;
        w.textPadding = c.padding;
        w.textPosition = 0;
        w.textXOffset = 0;
        w.textYOffset = 0;
        const TextExtent wide = Line("WWWWWWWW");
        const TextExtent narrow = Line("I");
        const int blockWidth = wide.width + 2 * c.padding;
        const int step = wide.height + c.leading;
        FIBITMAP* image = Draw();
        ASSERT_NE(image, nullptr);
        const Changes box = ChangedPixels(image, kGrey);
        EXPECT_EQ(box.right + 1, blockWidth);
        EXPECT_EQ(box.bottom + 1, wide.height + step + 2 * c.padding);
        // The second line's white pixels.
        int first = -1, last = -1;
        for (int y = c.padding + step; y < c.padding + step + narrow.height; ++y)
            for (int x = 0; x < blockWidth; ++x)
                if (PixelAt(image, x, y) == Rgb{255, 255, 255}) {
                    if (first < 0 || x < first) first = x;
                    last = std::max(last, x);
                }
        ASSERT_GE(first, 0);
        const int lineLeft = c.alignment == 0   ? c.padding
                             : c.alignment == 1 ? (blockWidth - narrow.width + 1) / 2
                                                : blockWidth - narrow.width - c.padding;
        EXPECT_GE(first, lineLeft);
        EXPECT_LE(last, lineLeft + narrow.width);
        FreeImage_Unload(image);
    }
}

TEST_F(TextWatermark, OpacitiesMixTheBoxAndTheText) {
    const struct {
        const char* name;
        int8_t antialiasing;
        int textOpacity, backOpacity;
        Rgb box;  // a pixel of the box away from the text
        int tolerance;
    } cases[] = {
        {"plain, opaque box", 0, 255, 255, {0, 0, 255}, 0}, {"plain, default box", 0, 255, 1, kGrey, 1},
        {"plain, half box", 0, 255, 128, {50, 55, 188}, 2}, {"smooth, opaque box", 1, 255, 255, {0, 0, 255}, 0},
        {"smooth, default box", 1, 255, 1, kGrey, 1},       {"smooth, half box", 1, 255, 128, {50, 55, 188}, 2},
        {"smooth, box hidden", 1, 0, 0, kGrey, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& w = ConversionSettings.watermark;
        w.textAntialiasing = c.antialiasing;
        w.textOpacity = c.textOpacity;
        w.backOpacity = c.backOpacity;
        w.textPosition = 0;
        w.textPadding = 4;
        FIBITMAP* image = Draw();
        ASSERT_NE(image, nullptr);
        // Inside the padding, so no glyph reaches it.
        const Rgb p = PixelAt(image, 11, 11);
        EXPECT_TRUE(Near(p, c.box, c.tolerance)) << p;
        FreeImage_Unload(image);
    }
}

TEST_F(TextWatermark, WithoutTheFontNothingIsDrawn) {
    SetWatermarkFont(nullptr);
    FIBITMAP* image = DrawWatermark(SolidBitmap(60, 40, kGrey, 32), 60, 40);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FreeImage_GetBPP(image), 24u);
    EXPECT_EQ(ChangedPixels(image, kGrey).count, 0);
    FreeImage_Unload(image);
}

TEST_F(TextWatermark, EmptyTextDrawsNothing) {
    ConversionSettings.watermark.text = "";
    FIBITMAP* image = Draw();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(ChangedPixels(image, kGrey).count, 0);
    FreeImage_Unload(image);
}

TEST_F(TextWatermark, RotationTurnsTheBox) {
    auto& w = ConversionSettings.watermark;
    w.textRotation = 90;
    w.textPosition = 0;
    const TextExtent box = Line("Tolvane");
    FIBITMAP* image = Draw();
    ASSERT_NE(image, nullptr);
    const Changes changes = ChangedPixels(image, kGrey);
    EXPECT_EQ(changes.left, 10);
    EXPECT_EQ(changes.top, 10);
    EXPECT_EQ(changes.right - changes.left + 1, box.height);
    EXPECT_EQ(changes.bottom - changes.top + 1, box.width);
    FreeImage_Unload(image);
}
