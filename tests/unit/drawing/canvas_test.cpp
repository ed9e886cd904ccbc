#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "drawing_test_support.h"
#include "engine/watermark_picture.h"
#include "platform/canvas.h"
#include "platform/image_codec.h"

namespace {
struct CanvasFree {
    void operator()(Canvas* canvas) const { ReleaseCanvas(canvas); }
};
using CanvasPtr = std::unique_ptr<Canvas, CanvasFree>;

int Coverage(const Canvas* canvas) {
    int covered = 0;
    for (int y = 0; y < CanvasHeight(canvas); ++y)
        for (int x = 0; x < CanvasWidth(canvas); ++x) covered += CanvasPixelAt(canvas, x, y).alpha > 0 ? 1 : 0;
    return covered;
}

bool SaveWithFreeImage(FIBITMAP* bitmap, FREE_IMAGE_FORMAT format, const QString& path, int flags = 0) {
    return FreeImage_Save(format, bitmap, path.toUtf8().constData(), flags);
}
}  // namespace

TEST(Canvas, RefusesEmptySizes) {
    const struct {
        int width, height;
        bool made;
    } cases[] = {{1, 1, true}, {0, 5, false}, {5, 0, false}, {-1, 5, false}, {40000, 40000, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const CanvasPtr canvas(CreateCanvas(c.width, c.height));
        EXPECT_EQ(canvas != nullptr, c.made);
        const CanvasPtr kept(CreateCanvas(3, 3));
        EXPECT_EQ(ResizeCanvas(kept.get(), c.width, c.height), c.made);
        EXPECT_EQ(CanvasWidth(kept.get()), c.made ? c.width : 3);
    }
}

TEST(Canvas, KeepsTranslucentColoursThroughThePngRoundTrip) {
    const CanvasPixel cases[] = {
        {255, 0, 0, 255},   {0, 0, 0, 0},      {200, 100, 50, 128}, {0, 0, 255, 1},
        {255, 255, 255, 3}, {10, 20, 30, 254}, {77, 150, 29, 64},
    };
    for (const CanvasPixel& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.red) << "," << int(c.green) << "," << int(c.blue) << "/"
                                        << int(c.alpha));
        const CanvasPtr canvas(CreateCanvas(2, 2, c));
        int bpp = 0;
        const CanvasPtr back(DecodePng(EncodePng(canvas.get()), &bpp));
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(bpp, 32);
        const CanvasPixel p = CanvasPixelAt(back.get(), 1, 1);
        EXPECT_EQ(p.alpha, c.alpha);
        // Premultiplied keeping loses precision as alpha falls; the colour
        // laid over anything stays within one level.
        const int tolerance = c.alpha == 0 ? 0 : 255 / c.alpha + 1;
        EXPECT_NEAR(p.red, c.red, tolerance);
        EXPECT_NEAR(p.green, c.green, tolerance);
        EXPECT_NEAR(p.blue, c.blue, tolerance);
    }
}

TEST(Canvas, DrawModesPutPixelsTheirOwnWay) {
    const CanvasPixel below{0, 0, 255, 255};
    const CanvasPixel drawn{255, 0, 0, 255};
    const CanvasPixel halfRed{255, 0, 0, 128};
    const struct {
        const char* name;
        DrawMode mode;
        PixelFilter filter;
        int alpha;
        CanvasPixel expected;
        int tolerance;
    } cases[] = {
        {"blend, opaque", DrawMode::Blend, nullptr, 255, drawn, 0},
        {"blend at half", DrawMode::Blend, nullptr, 128, {128, 0, 127, 255}, 1},
        {"write all at half", DrawMode::WriteAll, nullptr, 128, halfRed, 0},
        {"write all at 0", DrawMode::WriteAll, nullptr, 0, {0, 0, 0, 0}, 0},
        {"filter",
         DrawMode::Filter,
         [](CanvasPixel p) {
             return CanvasPixel{0, p.red, 0, p.alpha};
         },
         128,
         {0, 255, 0, 128},
         0},
        {"filter missing", DrawMode::Filter, nullptr, 128, halfRed, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CanvasPtr target(CreateCanvas(4, 4, below));
        const CanvasPtr source(CreateCanvas(4, 4, drawn));
        SetDrawMode(target.get(), c.mode, c.filter);
        DrawCanvas(target.get(), source.get(), c.alpha);
        const CanvasPixel p = CanvasPixelAt(target.get(), 2, 2);
        EXPECT_NEAR(p.red, c.expected.red, c.tolerance);
        EXPECT_NEAR(p.green, c.expected.green, c.tolerance);
        EXPECT_NEAR(p.blue, c.expected.blue, c.tolerance);
        EXPECT_NEAR(p.alpha, c.expected.alpha, c.tolerance);
    }
}

TEST(Canvas, FloodFillCoversTheRegionOfTheSeedOnly) {
    const CanvasPixel wall{0, 0, 0, 255};
    const CanvasPixel paint{10, 200, 30, 40};
    const struct {
        const char* name;
        int x, y;
        int painted;
    } cases[] = {
        {"left of the wall", 1, 1, 3 * 10}, {"right of the wall", 8, 8, 6 * 10},
        {"on the wall", 3, 0, 10},          {"outside", -1, 4, 0},
        {"outside, far", 10, 4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CanvasPtr canvas(CreateCanvas(10, 10));
        FillRectangle(canvas.get(), 3, 0, 1, 10, wall);
        SetDrawMode(canvas.get(), DrawMode::WriteAll);
        FloodFill(canvas.get(), c.x, c.y, paint);
        int painted = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) painted += CanvasPixelAt(canvas.get(), x, y).alpha == paint.alpha ? 1 : 0;
        EXPECT_EQ(painted, c.painted);
    }
}

TEST(PathText, ReadsTheFrameBandsAndRefusesNonsense) {
    const struct {
        const char* path;
        bool ok;
        int covered;  // pixels of a 20 x 20 canvas
    } cases[] = {
        {"M 0 0 l 20 0 l 0 20 l -20 0 Z", true, 400},
        {"M 0 0 L 10 0 L 10 10 L 0 10 Z", true, 100},
        {"M0,0 h10 v10 h-10 z", true, 100},
        {"M 10 0 l --10 0 l 0 10 l -10 0 Z", true, 100},  // "--10" is 10
        {"M 20 20 l -10 0 l 0 -10 l 10 0 Z", true, 100},
        {"M 0 0 l 10 0 l 0 10 l -10 0", true, 100},  // filling closes the figure
        {"M 0 0 l 1e1 0 l 0 10 l -10 0 Z", true, 100},
        {"", true, 0},
        {"M 0 0 l 10", false, 0},
        {"M 0 0 C 1 1 2 2 3 3", false, 0},
        {"0 0 l 10 0", false, 0},
        {"M 0 0 l ten 0", false, 0},
        {"M 0 0 l - 0", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const CanvasPtr canvas(CreateCanvas(20, 20));
        EXPECT_EQ(FillPathText(canvas.get(), c.path, {255, 0, 0, 255}), c.ok);
        EXPECT_EQ(Coverage(canvas.get()), c.covered);
    }
}

TEST(PathText, FiguresFarOutsideAreClipped) {
    const char* cases[] = {
        "M -100000 -100000 l 200000 0 l 0 200000 l -200000 0 Z",
        "M 0 0 l 4000000000 0 l -4000000000 4000000000 Z",
        "M 5 5 l -30 -30 l 60 0 l --30 --30 Z",
    };
    for (const char* path : cases) {
        SCOPED_TRACE(path);
        const CanvasPtr canvas(CreateCanvas(20, 20));
        EXPECT_TRUE(FillPathText(canvas.get(), path, {255, 0, 0, 255}));
        EXPECT_LE(Coverage(canvas.get()), 400);
    }
}

TEST(WatermarkPicture, ReadsPngJpegAndBmpFiles) {
    ResetDrawingSettings();
    QTemporaryDir dir;
    const QString png = dir.path() + "/mark.png";
    const QString opaquePng = dir.path() + "/opaque.png";
    const QString jpeg = dir.path() + "/mark.jpg";
    const QString bmp = dir.path() + "/mark.bmp";
    const QString bmp32 = dir.path() + "/mark32.bmp";
    const QString text = dir.path() + "/mark.txt";
    ASSERT_TRUE(WriteSolidPng(png, 6, 4, {200, 100, 50, 128}));
    FIBITMAP* colour = SolidBitmap(6, 4, {200, 100, 50});
    ASSERT_TRUE(SaveWithFreeImage(colour, FIF_PNG, opaquePng));
    ASSERT_TRUE(SaveWithFreeImage(colour, FIF_JPEG, jpeg, JPEG_QUALITYSUPERB));
    ASSERT_TRUE(SaveWithFreeImage(colour, FIF_BMP, bmp));
    FreeImage_Unload(colour);
    FIBITMAP* translucent = SolidBitmap(6, 4, {200, 100, 50}, 32);
    ASSERT_TRUE(SaveWithFreeImage(translucent, FIF_BMP, bmp32));
    FreeImage_Unload(translucent);
    QFile(text).open(QIODevice::WriteOnly);

    const struct {
        QString path;
        bool loads;
        int bpp;
        CanvasPixel pixel;
        int tolerance;
    } cases[] = {
        {png, true, 32, {200, 100, 50, 128}, 1},        {opaquePng, true, 24, {200, 100, 50, 255}, 0},
        {jpeg, true, 24, {200, 100, 50, 255}, 4},       {bmp, true, 24, {200, 100, 50, 255}, 0},
        {bmp32, true, 32, {200, 100, 50, 128}, 1},      {text, false, 0, {}, 0},
        {dir.path() + "/missing.png", false, 0, {}, 0}, {QString(), false, 0, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        int bpp = 0;
        const CanvasPtr picture(LoadWatermarkPicture(c.path, &bpp));
        ASSERT_EQ(picture != nullptr, c.loads);
        if (!picture) continue;
        EXPECT_EQ(bpp, c.bpp);
        EXPECT_EQ(CanvasWidth(picture.get()), 6);
        EXPECT_EQ(CanvasHeight(picture.get()), 4);
        const CanvasPixel p = CanvasPixelAt(picture.get(), 5, 0);
        EXPECT_NEAR(p.red, c.pixel.red, c.tolerance);
        EXPECT_NEAR(p.green, c.pixel.green, c.tolerance);
        EXPECT_NEAR(p.blue, c.pixel.blue, c.tolerance);
        EXPECT_EQ(p.alpha, c.pixel.alpha);
    }
}

TEST(ImageCodec, RefusesBrokenData) {
    const QByteArray cases[] = {QByteArray(), QByteArray("\x89PNG\r\n\x1a\n", 8), QByteArray("\xff\xd8\xff\xe0", 4),
                                QByteArray(100, 'x')};
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        int bpp = -1;
        EXPECT_EQ(DecodePng(bytes, &bpp), nullptr);
        EXPECT_EQ(DecodeJpeg(bytes, &bpp), nullptr);
    }
}
