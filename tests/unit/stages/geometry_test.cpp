#include <gtest/gtest.h>

#include "bitmap_support.h"
#include "engine/flip.h"
#include "engine/rotate.h"
#include "settings/settings.h"

namespace {
// Every pixel differs from every other, and the picture from its mirrors.
Rgba Asymmetric(int x, int y) {
    return {static_cast<uint8_t>(10 + 40 * x), static_cast<uint8_t>(20 + 50 * y),
            static_cast<uint8_t>(200 - 10 * x - 30 * y), static_cast<uint8_t>(255 - 20 * x - 7 * y)};
}
Rgba Green(int, int) {
    return {0, 200, 0, 255};
}
// Sixteen distinct palette colours.
Rgba PaletteEntry(int i, int) {
    return {static_cast<uint8_t>(i * 16), static_cast<uint8_t>(255 - i * 16), 77, 255};
}
Rgba TransparentPaletteEntry(int i, int) {
    return {static_cast<uint8_t>(i * 16), 100, 50, static_cast<uint8_t>(i < 4 ? i * 60 : 255)};
}
int PaletteIndex(int x, int y) {
    return (x + 3 * y) % 16;
}

void Rotation(int angle, int type, const char* back) {
    ResetSettings();
    auto& transform = ConversionSettings.transform;
    transform.doImageRotation = 1;
    transform.imageRotation = angle;
    transform.imageRotationType = static_cast<int8_t>(type);
    transform.imageRotationBackColor = back;
}

// The image's own colour of pixel x, y, as a 24-bit copy reads it.
Rgba Opaque(Rgba colour) {
    return {colour.red, colour.green, colour.blue, 255};
}
}  // namespace

TEST(FlipImage, MirrorsOnTheChosenAxes) {
    const int width = 4, height = 3;
    const struct {
        const char* name;
        int8_t horizontal, vertical;
        bool mirrorX, mirrorY;
    } cases[] = {
        {"off", 0, 0, false, false},
        {"horizontal", 1, 0, true, false},
        {"vertical", 0, 1, false, true},
        {"both", 1, 1, true, true},
    };
    for (int bpp : {8, 24, 32}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << bpp << " bits");
            ResetSettings();
            ConversionSettings.transform.doImageFlipHorizontal = c.horizontal;
            ConversionSettings.transform.doImageFlipVertical = c.vertical;
            Bitmap image = bpp == 8 ? MakePalette(width, height, 8, PaletteEntry, PaletteIndex)
                                    : MakeTrueColour(width, height, bpp, Asymmetric);
            Bitmap original(FreeImage_Clone(image.get()));
            FlipImage(image.get());
            ASSERT_EQ(WidthOf(image.get()), width);
            ASSERT_EQ(HeightOf(image.get()), height);
            EXPECT_EQ(BppOf(image.get()), bpp);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
                    const int fromX = c.mirrorX ? width - 1 - x : x;
                    const int fromY = c.mirrorY ? height - 1 - y : y;
                    EXPECT_EQ(PixelAt(image.get(), x, y), PixelAt(original.get(), fromX, fromY));
                }
        }
    }
}

TEST(FlipImage, IgnoresNoImage) {
    ResetSettings();
    ConversionSettings.transform.doImageFlipHorizontal = 1;
    ConversionSettings.transform.doImageFlipVertical = 1;
    FlipImage(nullptr);
}

TEST(RotateImage, LeavesTheImageAloneOutsideOneTo359Degrees) {
    const struct {
        int8_t on;
        int angle;
    } cases[] = {
        {1, 0}, {1, 360}, {1, -90}, {1, -1}, {1, 400}, {1, 720}, {0, 90}, {0, 45},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "on " << int(c.on) << ", angle " << c.angle);
        for (int type : {kRotationSimple, kRotationAdvanced}) {
            Rotation(c.angle, type, "FF0000");
            ConversionSettings.transform.doImageRotation = c.on;
            // A palette image would be widened by a rotation that happens.
            Bitmap image = MakePalette(4, 3, 8, PaletteEntry, PaletteIndex);
            FIBITMAP* given = image.get();
            Bitmap result(RotateImage(image.release()));
            ASSERT_EQ(result.get(), given);
            EXPECT_EQ(BppOf(result.get()), 8);
            EXPECT_EQ(PixelAt(result.get(), 1, 2), PaletteEntry(PaletteIndex(1, 2), 0));
        }
    }
}

TEST(RotateImage, PassesNoImageOn) {
    Rotation(45, kRotationSimple, "FF0000");
    EXPECT_EQ(RotateImage(nullptr), nullptr);
}

TEST(RotateImage, TurnsSimpleQuarterTurnsCounterClockwise) {
    const int width = 3, height = 2;
    const struct {
        int angle;
        int newWidth, newHeight;
    } cases[] = {{90, 2, 3}, {180, 3, 2}, {270, 2, 3}};
    for (int bpp : {24, 32}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.angle << " degrees, " << bpp << " bits");
            Rotation(c.angle, kRotationSimple, "FF0000");
            Bitmap result(RotateImage(MakeTrueColour(width, height, bpp, Asymmetric).release()));
            ASSERT_TRUE(result);
            ASSERT_EQ(WidthOf(result.get()), c.newWidth);
            ASSERT_EQ(HeightOf(result.get()), c.newHeight);
            EXPECT_EQ(BppOf(result.get()), bpp);
            for (int y = 0; y < c.newHeight; ++y)
                for (int x = 0; x < c.newWidth; ++x) {
                    SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
                    int fromX = x, fromY = y;
                    if (c.angle == 90) fromX = width - 1 - y, fromY = x;
                    if (c.angle == 180) fromX = width - 1 - x, fromY = height - 1 - y;
                    if (c.angle == 270) fromX = y, fromY = height - 1 - x;
                    const Rgba expected = Asymmetric(fromX, fromY);
                    EXPECT_EQ(PixelAt(result.get(), x, y), bpp == 32 ? expected : Opaque(expected));
                }
        }
    }
}

TEST(RotateImage, FillsTheCornersOfASimpleTurnWithTheBackColour) {
    const struct {
        const char* back;
        int bpp;
        Rgba corner;
    } cases[] = {
        {"FF0000", 24, {255, 0, 0, 255}},
        {"0000ff", 24, {0, 0, 255, 255}},
        {"abc", 24, {0, 0, 0, 255}},
        {"", 24, {0, 0, 0, 255}},
        {"1G2G3G", 24, {1, 2, 3, 255}},
        // The background's fourth byte is 0, so a 32-bit image gets clear corners.
        {"FF0000", 32, {255, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.back << "\", " << c.bpp << " bits");
        Rotation(45, kRotationSimple, c.back);
        Bitmap result(RotateImage(MakeTrueColour(20, 20, c.bpp, Green).release()));
        ASSERT_TRUE(result);
        const int width = WidthOf(result.get());
        const int height = HeightOf(result.get());
        EXPECT_GT(width, 20);
        EXPECT_GT(height, 20);
        EXPECT_EQ(BppOf(result.get()), c.bpp);
        for (auto [x, y] : {std::pair{0, 0}, {width - 1, 0}, {0, height - 1}, {width - 1, height - 1}}) {
            SCOPED_TRACE(testing::Message() << "corner " << x << "," << y);
            EXPECT_EQ(PixelAt(result.get(), x, y), c.corner);
        }
        EXPECT_EQ(PixelAt(result.get(), width / 2, height / 2), Green(0, 0));
    }
}

TEST(RotateImage, AdvancedTurnsAboutTheCentreInTheSameCanvas) {
    for (int angle : {45, 90, 180, 359}) {
        SCOPED_TRACE(angle);
        Rotation(angle, kRotationAdvanced, "FF0000");
        Bitmap result(RotateImage(MakeTrueColour(21, 11, 24, Green).release()));
        ASSERT_TRUE(result);
        EXPECT_EQ(WidthOf(result.get()), 21);
        EXPECT_EQ(HeightOf(result.get()), 11);
        EXPECT_EQ(BppOf(result.get()), 24);
        // The back colour plays no part, and the centre stays where it is.
        EXPECT_EQ(PixelAt(result.get(), 10, 5), Green(0, 0));
    }
}

TEST(RotateImage, WidensOtherDepthsBeforeTurning) {
    const struct {
        const char* name;
        int type;
        int angle;
        Bitmap (*make)();
        int bpp;
    } cases[] = {
        {"8-bit palette, simple", kRotationSimple, 90, [] { return MakePalette(4, 3, 8, PaletteEntry, PaletteIndex); },
         24},
        {"8-bit palette, advanced", kRotationAdvanced, 30,
         [] { return MakePalette(4, 3, 8, PaletteEntry, PaletteIndex); }, 24},
        {"4-bit palette", kRotationSimple, 90, [] { return MakePalette(4, 3, 4, PaletteEntry, PaletteIndex); }, 24},
        {"1-bit", kRotationSimple, 90,
         [] { return MakePalette(4, 3, 1, PaletteEntry, [](int x, int y) { return (x + y) % 2; }); }, 24},
        // Transparency survives: the palette's clear entries become clear pixels.
        {"transparent palette", kRotationSimple, 90,
         [] { return MakePalette(4, 3, 8, TransparentPaletteEntry, PaletteIndex); }, 32},
        {"16-bit grey", kRotationSimple, 90,
         [] { return MakeGrey16(4, 3, [](int x, int y) { return uint16_t((x * 40 + y * 10) << 8 | 0x7F); }); }, 24},
        {"unknown type still widens", 2, 90, [] { return MakePalette(4, 3, 8, PaletteEntry, PaletteIndex); }, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rotation(c.angle, c.type, "000000");
        Bitmap image = c.make();
        Bitmap source(FreeImage_Clone(image.get()));
        Bitmap result(RotateImage(image.release()));
        ASSERT_TRUE(result);
        EXPECT_EQ(BppOf(result.get()), c.bpp);
        EXPECT_EQ(FreeImage_GetImageType(result.get()), FIT_BITMAP);
        if (c.type != kRotationSimple) continue;
        // A quarter turn moves the top right pixel to the top left.
        ASSERT_EQ(WidthOf(result.get()), 3);
        const Rgba expected =
            FreeImage_GetImageType(source.get()) == FIT_UINT16 ? Rgba{120, 120, 120, 255} : PixelAt(source.get(), 3, 0);
        EXPECT_EQ(PixelAt(result.get(), 0, 0), expected);
    }
}

TEST(RotateImage, KeepsTheImageWithAnUnknownTypeUnturned) {
    Rotation(90, 2, "FF0000");
    Bitmap image = MakeTrueColour(3, 2, 24, Asymmetric);
    FIBITMAP* given = image.get();
    Bitmap result(RotateImage(image.release()));
    ASSERT_EQ(result.get(), given);
    EXPECT_EQ(WidthOf(result.get()), 3);
    EXPECT_EQ(PixelAt(result.get(), 2, 1), Opaque(Asymmetric(2, 1)));
}
