#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

#include "drawing_test_support.h"
#include "platform/font.h"
#include "platform/text_drawing.h"

namespace {
struct FontFree {
    void operator()(FontObject* font) const { FreeFont(font); }
};
using Font = std::unique_ptr<FontObject, FontFree>;

Font Load(const char* face, int points = 14, int style = 0) {
    ResetDrawingSettings();
    return Font(LoadFont(QString::fromUtf8(face), points, style));
}

// Counts the pixels of each kind in a canvas region.
struct Census {
    int text = 0;
    int back = 0;
    int other = 0;
};
Census Count(const Canvas* canvas, CanvasPixel text, CanvasPixel back) {
    Census census;
    for (int y = 0; y < CanvasHeight(canvas); ++y)
        for (int x = 0; x < CanvasWidth(canvas); ++x) {
            const CanvasPixel p = CanvasPixelAt(canvas, x, y);
            if (p == text)
                ++census.text;
            else if (p == back)
                ++census.back;
            else
                ++census.other;
        }
    return census;
}

// Rows of the canvas in which every pixel of the columns is the colour.
std::vector<int> FullRows(const Canvas* canvas, int left, int right, CanvasPixel colour) {
    std::vector<int> rows;
    for (int y = 0; y < CanvasHeight(canvas); ++y) {
        bool full = true;
        for (int x = left; x < right && full; ++x) full = CanvasPixelAt(canvas, x, y) == colour;
        if (full) rows.push_back(y);
    }
    return rows;
}
}  // namespace

TEST(LoadFont, LoadsFamiliesAndTheirConfiguredAliasesOnly) {
    const struct {
        const char* face;
        bool loads;
        const char* family;
    } cases[] = {
        {"Arial", true, "Liberation Sans"},  // its metric-compatible alias
        {"arial", true, "Liberation Sans"},
        {"Liberation Serif", true, "Liberation Serif"},
        {"DejaVu Sans", true, "DejaVu Sans"},
        {"dejavusans", true, "DejaVu Sans"},
        {"NoSuchFontXyz", false, ""},
        {"sans-serif", false, ""},  // a generic name is not a font
        {"", false, ""},
        {"   ", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        const Font font = Load(c.face);
        EXPECT_EQ(font != nullptr, c.loads);
        if (font) {
            EXPECT_EQ(DescribeFont(font.get()).family, QString(c.family));
        }
    }
}

TEST(LoadFont, RefusesSizesBelowOnePoint) {
    for (int points : {0, -3}) {
        SCOPED_TRACE(points);
        EXPECT_EQ(Load("Arial", points), nullptr);
    }
}

TEST(LoadFont, PicksRealBoldAndItalicFaces) {
    const struct {
        const char* face;
        int style;
        bool bold, italic;
    } cases[] = {
        {"Arial", 0, false, false},
        {"Arial", FontStyleBold, true, false},
        {"Arial", FontStyleItalic, false, true},
        {"Arial", FontStyleBold + FontStyleItalic, true, true},
        {"Arial", FontStyleBold + FontStyleUnderline + FontStyleStrikeOut, true, false},
        {"DejaVu Sans", FontStyleItalic, false, true},
        {"DejaVu Serif", FontStyleBold + FontStyleItalic, true, true},
    };
    QStringList files;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.face << " style " << c.style);
        const Font font = Load(c.face, 14, c.style);
        ASSERT_NE(font, nullptr);
        const FontDescription d = DescribeFont(font.get());
        EXPECT_EQ(d.boldFace, c.bold) << d.file.toStdString();
        EXPECT_EQ(d.italicFace, c.italic) << d.file.toStdString();
        EXPECT_FALSE(d.syntheticBold);
        EXPECT_FALSE(d.syntheticItalic);
        if (QString(c.face) == "Arial" && c.style < FontStyleUnderline) files << d.file;
    }
    // Four distinct face files for the four Arial styles.
    files.removeDuplicates();
    EXPECT_EQ(files.size(), 4);
}

TEST(LoadFont, SizesArePointsAt96Dpi) {
    const struct {
        int points;
        double pixels;
    } cases[] = {{14, 14 * 96.0 / 72}, {12, 16}, {36, 48}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        const Font font = Load("Arial", c.points);
        ASSERT_NE(font, nullptr);
        const FontDescription d = DescribeFont(font.get());
        EXPECT_DOUBLE_EQ(d.pixelSize, c.pixels);
        // The line box of a metric-compatible face: about 1.12 em.
        EXPECT_NEAR(d.ascent + d.descent, c.pixels * 1.117, 1.0);
        EXPECT_GT(d.ascent, 3 * d.descent);
    }
}

TEST(WatermarkFontSlot, OwnsTheFontItIsGiven) {
    ResetDrawingSettings();
    EXPECT_EQ(WatermarkFont(), nullptr);
    FontObject* first = LoadFont("Arial", 14, 0);
    ASSERT_NE(first, nullptr);
    SetWatermarkFont(first);
    EXPECT_EQ(WatermarkFont(), first);
    // Handing over another frees the first (AddressSanitizer would tell).
    FontObject* second = LoadFont("Arial", 20, FontStyleBold);
    SetWatermarkFont(second);
    EXPECT_EQ(WatermarkFont(), second);
    SetWatermarkFont(nullptr);
    EXPECT_EQ(WatermarkFont(), nullptr);
}

TEST(PlainText, MeasuresWholePixelAdvancesAndTheLineBox) {
    const Font regular = Load("Arial", 14);
    const Font bold = Load("Arial", 14, FontStyleBold);
    ASSERT_NE(regular, nullptr);
    ASSERT_NE(bold, nullptr);
    const FontDescription d = DescribeFont(regular.get());
    const TextExtent empty = MeasurePlainText(regular.get(), "");
    const TextExtent one = MeasurePlainText(regular.get(), "W");
    const TextExtent two = MeasurePlainText(regular.get(), "WW");
    const TextExtent word = MeasurePlainText(regular.get(), "Watermark");
    EXPECT_EQ(empty.width, 0);
    EXPECT_EQ(one.height, d.ascent + d.descent);
    EXPECT_EQ(word.height, one.height);
    EXPECT_GT(one.width, 0);
    EXPECT_EQ(two.width, 2 * one.width);
    EXPECT_GT(MeasurePlainText(bold.get(), "Watermark").width, word.width);
    EXPECT_NEAR(MeasureVectorText(regular.get(), "Watermark"), word.width, 3.0);
}

TEST(PlainText, WritesOnlyFullyCoveredOrEmptyPixels) {
    const Font font = Load("Arial", 20);
    ASSERT_NE(font, nullptr);
    const TextExtent extent = MeasurePlainText(font.get(), "Ag%@");
    const CanvasPixel ink{250, 10, 20, 200};
    const CanvasPixel box{0, 0, 255, 1};
    Canvas* canvas = CreateCanvas(extent.width, extent.height);
    SetDrawMode(canvas, DrawMode::WriteAll);
    DrawPlainText(canvas, font.get(), "Ag%@", 0, 0, ink, box);
    const Census census = Count(canvas, ink, box);
    EXPECT_EQ(census.other, 0);
    EXPECT_GT(census.text, 20);
    EXPECT_GT(census.back, census.text);
    ReleaseCanvas(canvas);
}

TEST(VectorText, IsAntialiased) {
    const Font font = Load("Arial", 20);
    ASSERT_NE(font, nullptr);
    Canvas* canvas = CreateCanvas(120, 40);
    DrawVectorText(canvas, font.get(), "Ag%@", 2, 2, {255, 255, 255, 255});
    const Census census = Count(canvas, {255, 255, 255, 255}, {});
    EXPECT_GT(census.text, 20);
    EXPECT_GT(census.other, 20);  // partly covered edge pixels
    ReleaseCanvas(canvas);
}

TEST(TextEffects, DrawUnderlineAndStrikeOutFromTheFontsMetrics) {
    const struct {
        const char* name;
        int style;
        bool smooth;
        double lowest, highest;  // where the line may lie, as parts of the box height from the top
    } cases[] = {
        {"underline", FontStyleUnderline, false, 0.75, 0.95},
        {"strike-out", FontStyleStrikeOut, false, 0.4, 0.7},
        {"underline, antialiased", FontStyleUnderline, true, 0.75, 0.95},
        {"strike-out, antialiased", FontStyleStrikeOut, true, 0.4, 0.7},
    };
    const CanvasPixel ink{0, 0, 0, 255};
    const CanvasPixel paper{255, 255, 255, 255};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Font plain = Load("Arial", 20);
        const Font styled = Load("Arial", 20, c.style);
        ASSERT_NE(styled, nullptr);
        // Spaces alone: only the effect line is drawn.
        const QString text = "     ";
        const TextExtent extent = MeasurePlainText(styled.get(), text);
        ASSERT_GT(extent.width, 10);
        Canvas* canvas = CreateCanvas(extent.width, extent.height, paper);
        if (c.smooth) {
            DrawVectorText(canvas, styled.get(), text, 0, 0, ink);
        } else {
            SetDrawMode(canvas, DrawMode::WriteAll);
            DrawPlainText(canvas, styled.get(), text, 0, 0, ink, paper);
        }
        const std::vector<int> rows = FullRows(canvas, 0, extent.width, ink);
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(rows.size(), 3u);
        EXPECT_GE(rows.front(), c.lowest * extent.height);
        EXPECT_LE(rows.back(), c.highest * extent.height);
        ReleaseCanvas(canvas);

        // Without the effect the same text leaves the paper blank.
        Canvas* blank = CreateCanvas(extent.width, extent.height, paper);
        DrawVectorText(blank, plain.get(), text, 0, 0, ink);
        EXPECT_EQ(Count(blank, ink, paper).back, extent.width * extent.height);
        ReleaseCanvas(blank);
    }
}
