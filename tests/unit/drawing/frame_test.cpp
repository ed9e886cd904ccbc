#include <gtest/gtest.h>

#include "drawing_test_support.h"
#include "engine/frame.h"
#include "settings/settings.h"

namespace {
const Rgb kGrey{100, 110, 120};
const Rgb kTop{255, 0, 0};
const Rgb kRight{0, 255, 0};
const Rgb kBottom{0, 0, 255};
const Rgb kLeft{255, 255, 0};

void FourColourFrame(int width, int opacity) {
    ResetDrawingSettings();
    auto& f = ConversionSettings.frame;
    f.doFrame = 1;
    f.solidLeft = f.solidRight = f.solidTop = f.solidBottom = width;
    f.solidTopColor = "FF0000";
    f.solidRightColor = "00FF00";
    f.solidBottomColor = "0000FF";
    f.solidLeftColor = "FFFF00";
    f.solidOpacity = opacity;
}
}  // namespace

TEST(DrawFrame, PaintsEachBandInItsColourAndLeavesTheCentre) {
    FourColourFrame(10, 255);
    FIBITMAP* image = DrawFrame(SolidBitmap(100, 100, kGrey), 100, 100);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(FreeImage_GetBPP(image), 24u);
    EXPECT_EQ(FreeImage_GetWidth(image), 100u);
    const struct {
        const char* where;
        int x, y;
        Rgb colour;
    } cases[] = {
        {"top band", 50, 0, kTop},
        {"top band inner row", 50, 9, kTop},
        {"right band", 99, 50, kRight},
        {"right band inner column", 90, 50, kRight},
        {"bottom band", 50, 99, kBottom},
        {"bottom band inner row", 50, 90, kBottom},
        {"left band", 0, 50, kLeft},
        {"left band inner column", 9, 50, kLeft},
        {"inside the top band", 50, 10, kGrey},
        {"inside the right band", 89, 50, kGrey},
        {"inside the bottom band", 50, 89, kGrey},
        {"inside the left band", 10, 50, kGrey},
        {"centre", 50, 50, kGrey},
        // Each corner square is split along its diagonal.
        {"top-left corner, top side", 7, 2, kTop},
        {"top-left corner, left side", 2, 7, kLeft},
        {"top-right corner, top side", 92, 2, kTop},
        {"top-right corner, right side", 97, 7, kRight},
        {"bottom-right corner, bottom side", 92, 97, kBottom},
        {"bottom-right corner, right side", 97, 92, kRight},
        {"bottom-left corner, bottom side", 7, 97, kBottom},
        {"bottom-left corner, left side", 2, 92, kLeft},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(PixelAt(image, c.x, c.y), c.colour);
    }
    FreeImage_Unload(image);
}

TEST(DrawFrame, LeavesNoSeamUnderTheMitres) {
    // Where the frame is opaque the image below cannot show: the same frame
    // over black and over white gives the same pixels, also on the
    // antialiased diagonals.
    FourColourFrame(10, 255);
    FIBITMAP* onBlack = DrawFrame(SolidBitmap(100, 100, {0, 0, 0}), 100, 100);
    FIBITMAP* onWhite = DrawFrame(SolidBitmap(100, 100, {255, 255, 255}), 100, 100);
    ASSERT_NE(onBlack, nullptr);
    ASSERT_NE(onWhite, nullptr);
    const struct {
        int x, y;
    } cases[] = {{5, 5}, {94, 5}, {94, 94}, {5, 94}, {0, 0}, {99, 0}, {99, 99}, {0, 99}, {3, 4}, {96, 95}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(PixelAt(onBlack, c.x, c.y), PixelAt(onWhite, c.x, c.y));
    }
    FreeImage_Unload(onBlack);
    FreeImage_Unload(onWhite);
}

TEST(DrawFrame, OpacityMixesTheFrameWithTheImage) {
    const struct {
        int opacity;
        Rgb top;
        int tolerance;
    } cases[] = {
        {0, kGrey, 0}, {-5, kGrey, 0}, {128, {178, 55, 60}, 2}, {255, kTop, 0}, {300, kTop, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opacity);
        FourColourFrame(10, c.opacity);
        FIBITMAP* image = DrawFrame(SolidBitmap(100, 100, kGrey, 32), 100, 100);
        ASSERT_NE(image, nullptr);
        // An image with alpha comes back opaque, as 24 bits.
        EXPECT_EQ(FreeImage_GetBPP(image), 24u);
        EXPECT_TRUE(Near(PixelAt(image, 50, 3), c.top, c.tolerance)) << PixelAt(image, 50, 3);
        EXPECT_EQ(PixelAt(image, 50, 50), kGrey);
        FreeImage_Unload(image);
    }
}

TEST(DrawFrame, OffOrWithoutBandsOnlyChangesTheDepth) {
    const struct {
        const char* name;
        int8_t doFrame;
        int width;
        unsigned bpp;
    } cases[] = {
        {"frame off keeps the image as it is", 0, 10, 32},
        {"widths 0", 1, 0, 24},
        {"an unknown frame type", 2, 10, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FourColourFrame(c.width, 255);
        ConversionSettings.frame.doFrame = c.doFrame;
        FIBITMAP* image = DrawFrame(SolidBitmap(40, 30, kGrey, 32), 40, 30);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(FreeImage_GetBPP(image), c.bpp);
        EXPECT_EQ(ChangedPixels(image, kGrey).count, 0);
        FreeImage_Unload(image);
    }
}

TEST(DrawFrame, BandsWiderThanTheImageStayOnTheCanvas) {
    const struct {
        int left, right, top, bottom;
    } cases[] = {{30, 30, 30, 30}, {100, 0, 0, 0}, {-10, 25, 5, 40}, {2000000000, 2000000000, 5, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << "/" << c.right << "/" << c.top << "/" << c.bottom);
        FourColourFrame(0, 255);
        auto& f = ConversionSettings.frame;
        f.solidLeft = c.left;
        f.solidRight = c.right;
        f.solidTop = c.top;
        f.solidBottom = c.bottom;
        FIBITMAP* image = DrawFrame(SolidBitmap(40, 30, kGrey), 40, 30);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(FreeImage_GetWidth(image), 40u);
        EXPECT_EQ(FreeImage_GetHeight(image), 30u);
        EXPECT_EQ(FreeImage_GetBPP(image), 24u);
        FreeImage_Unload(image);
    }
}
