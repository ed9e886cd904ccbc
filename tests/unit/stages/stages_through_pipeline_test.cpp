#include <gtest/gtest.h>
#include <functional>

#include "batch/job.h"
#include "engine/rotate.h"
#include "engine_test_support.h"
#include "png_fixtures.h"
#include "psd_reader.h"
#include "settings/settings.h"

namespace {
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // rows top-down
};

// Reads the PSD with our reader and with Pillow; both must agree.
bool ReadOutput(const QString& path, Picture* picture) {
    PsdPicture psd;
    QString problem;
    if (!ReadPsd(ReadWholeFile(path), &psd, &problem)) {
        ADD_FAILURE() << problem.toStdString();
        return false;
    }
    EXPECT_EQ(psd.channels, 4);
    *picture = {psd.width, psd.height, psd.rgba};
    if (PillowMissing()) return true;
    QString mode;
    int width = 0, height = 0;
    QByteArray rgba;
    if (!ReadWithPillow(path, &mode, &width, &height, &rgba)) {
        ADD_FAILURE() << "Pillow could not read the PSD";
        return false;
    }
    EXPECT_EQ(mode, QString("RGBA"));
    EXPECT_EQ(width, psd.width);
    EXPECT_EQ(height, psd.height);
    EXPECT_TRUE(rgba == QByteArray(reinterpret_cast<const char*>(psd.rgba.data()), psd.rgba.size()))
        << "Pillow reads other pixels";
    return true;
}

const uint8_t* PixelOf(const Picture& picture, int x, int y) {
    return picture.rgba.data() + (static_cast<size_t>(y) * picture.width + x) * 4;
}

// Where output pixel x, y of a width x height output comes from in the source.
using SourceOf = std::function<std::pair<int, int>(int x, int y, int width, int height)>;

// Runs one conversion of a kind x 7 x 5 fixture with the settings made by
// setUp and reads the result back.
bool ConvertFixture(PngKind kind, const std::function<void()>& setUp, Picture* source, Picture* output) {
    EngineRun run;
    const int width = 7, height = 5;
    if (!WriteFixturePng(run.InputPath(), kind, width, height)) return false;
    *source = {width, height, FixtureRgba(kind, width, height)};
    setUp();
    ConvertError error = ConvertError::CannotRead;
    if (!run.Convert(&error)) {
        ADD_FAILURE() << ConvertErrorText(error);
        return false;
    }
    return ReadOutput(ConversionJob.finalOutputPath, output);
}

void Rotation(int angle, const char* back) {
    auto& transform = ConversionSettings.transform;
    transform.doImageRotation = 1;
    transform.imageRotationType = kRotationSimple;
    transform.imageRotation = angle;
    transform.imageRotationBackColor = back;
}
}  // namespace

TEST(StagesThroughPipeline, MoveEveryPixelWhereTheGeometryPutsIt) {
    const struct {
        const char* name;
        PngKind kind;
        std::function<void()> setUp;
        int width, height;
        SourceOf from;
    } cases[] = {
        {"flip horizontal", PngKind::Rgba, [] { ConversionSettings.transform.doImageFlipHorizontal = 1; }, 7, 5,
         [](int x, int y, int w, int) {
             return std::pair{w - 1 - x, y};
         }},
        {"flip vertical", PngKind::Rgba, [] { ConversionSettings.transform.doImageFlipVertical = 1; }, 7, 5,
         [](int x, int y, int, int h) {
             return std::pair{x, h - 1 - y};
         }},
        {"rotate 90", PngKind::Rgba, [] { Rotation(90, "FF0000"); }, 5, 7,
         [](int x, int y, int, int) {
             return std::pair{6 - y, x};
         }},
        {"rotate 270 then flip both", PngKind::Rgb,
         [] {
             Rotation(270, "000000");
             ConversionSettings.transform.doImageFlipHorizontal = 1;
             ConversionSettings.transform.doImageFlipVertical = 1;
         },
         5, 7,
         [](int x, int y, int, int) {
             return std::pair{6 - y, x};
         }},
        {"rotate 180, transparent palette", PngKind::PaletteTransparent, [] { Rotation(180, "FF0000"); }, 7, 5,
         [](int x, int y, int w, int h) {
             return std::pair{w - 1 - x, h - 1 - y};
         }},
        {"rotate 180, 16-bit RGBA", PngKind::Rgba16, [] { Rotation(180, "FF0000"); }, 7, 5,
         [](int x, int y, int w, int h) {
             return std::pair{w - 1 - x, h - 1 - y};
         }},
        {"rotate 90, 16-bit RGB", PngKind::Rgb16, [] { Rotation(90, "FF0000"); }, 5, 7,
         [](int x, int y, int, int) {
             return std::pair{6 - y, x};
         }},
        {"rotate 90, 16-bit grey", PngKind::Grey16, [] { Rotation(90, "FF0000"); }, 5, 7,
         [](int x, int y, int, int) {
             return std::pair{6 - y, x};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Picture source, output;
        ASSERT_TRUE(ConvertFixture(c.kind, c.setUp, &source, &output));
        ASSERT_EQ(output.width, c.width);
        ASSERT_EQ(output.height, c.height);
        EXPECT_EQ(ConversionJob.imageWidth, c.width);
        EXPECT_EQ(ConversionJob.imageHeight, c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const auto [fromX, fromY] = c.from(x, y, c.width, c.height);
                const uint8_t* got = PixelOf(output, x, y);
                const uint8_t* want = PixelOf(source, fromX, fromY);
                ASSERT_TRUE(std::equal(got, got + 4, want)) << "pixel " << x << "," << y;
            }
    }
}

TEST(StagesThroughPipeline, GiveRedCornersToASimple45DegreeTurn) {
    Picture source, output;
    ASSERT_TRUE(ConvertFixture(
        PngKind::Rgb, [] { Rotation(45, "FF0000"); }, &source, &output));
    EXPECT_GT(output.width, 7);
    EXPECT_GT(output.height, 5);
    for (auto [x, y] :
         {std::pair{0, 0}, {output.width - 1, 0}, {0, output.height - 1}, {output.width - 1, output.height - 1}}) {
        SCOPED_TRACE(testing::Message() << "corner " << x << "," << y);
        const uint8_t* pixel = PixelOf(output, x, y);
        EXPECT_EQ(std::vector<uint8_t>(pixel, pixel + 4), (std::vector<uint8_t>{255, 0, 0, 255}));
    }
}

TEST(StagesThroughPipeline, ResizeToTheTargetAndNameTheNewSize) {
    const struct {
        const char* name;
        int32_t width, widthUnit, height, heightUnit;
        int8_t keep;
        int newWidth, newHeight;
    } cases[] = {
        {"percent", 200, 1, 60, 1, 0, 14, 3},
        {"keep aspect", 14, 0, 999, 0, 1, 14, 10},
        {"height 0 leaves it", 50, 1, 0, 0, 0, 7, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Picture source, output;
        ASSERT_TRUE(ConvertFixture(
            PngKind::Rgba,
            [&] {
                auto& transform = ConversionSettings.transform;
                transform.doImageResize = 1;
                transform.imageWidth = c.width;
                transform.imageWidthUnit = static_cast<int8_t>(c.widthUnit);
                transform.imageHeight = c.height;
                transform.imageHeightUnit = static_cast<int8_t>(c.heightUnit);
                transform.keepAspectRatio = c.keep;
                ConversionSettings.advanced.filenameMask = "%width%x%height%.%ext%";
            },
            &source, &output));
        const QString name = QString("%1x%2.psd").arg(c.newWidth).arg(c.newHeight);
        EXPECT_EQ(ConversionJob.finalOutputPath.section('/', -1), name);
        EXPECT_EQ(output.width, c.newWidth);
        EXPECT_EQ(output.height, c.newHeight);
    }
}

TEST(StagesThroughPipeline, AdjustColoursAndKeepAlpha) {
    const struct {
        const char* name;
        PngKind kind;
        std::function<void()> setUp;
        bool invert;
        bool twoLevels;
    } cases[] = {
        {"invert, RGBA", PngKind::Rgba,
         [] { ConversionSettings.adjustment.doImageColorCorrection = ConversionSettings.adjustment.imageInvert = 1; },
         true, false},
        {"invert, RGB", PngKind::Rgb,
         [] { ConversionSettings.adjustment.doImageColorCorrection = ConversionSettings.adjustment.imageInvert = 1; },
         true, false},
        {"greyscale, RGBA", PngKind::Rgba, [] { ConversionSettings.adjustment.doImageGreyscale = 1; }, false, false},
        {"greyscale and threshold, RGB", PngKind::Rgb,
         [] {
             ConversionSettings.adjustment.doImageGreyscale = 1;
             ConversionSettings.adjustment.doImageThreshold = 1;
             ConversionSettings.adjustment.imageThreshold = 128 + 256;
         },
         false, true},
        {"threshold, RGBA", PngKind::Rgba,
         [] {
             ConversionSettings.adjustment.doImageThreshold = 1;
             ConversionSettings.adjustment.imageThreshold = 100;
         },
         false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Picture source, output;
        ASSERT_TRUE(ConvertFixture(c.kind, c.setUp, &source, &output));
        ASSERT_EQ(output.width, source.width);
        ASSERT_EQ(output.height, source.height);
        bool black = false, white = false;
        for (int y = 0; y < source.height; ++y)
            for (int x = 0; x < source.width; ++x) {
                SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
                const uint8_t* got = PixelOf(output, x, y);
                const uint8_t* from = PixelOf(source, x, y);
                EXPECT_EQ(got[3], from[3]) << "alpha";
                if (c.invert) {
                    for (int channel = 0; channel < 3; ++channel) EXPECT_EQ(got[channel], 255 - from[channel]);
                    continue;
                }
                EXPECT_EQ(got[1], got[0]);
                EXPECT_EQ(got[2], got[0]);
                if (!c.twoLevels) continue;
                EXPECT_TRUE(got[0] == 0 || got[0] == 255) << int(got[0]);
                black = black || got[0] == 0;
                white = white || got[0] == 255;
            }
        if (c.twoLevels) {
            EXPECT_TRUE(black && white) << "the cut should leave both levels";
        }
    }
}
