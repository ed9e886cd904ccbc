#include <gtest/gtest.h>

#include "drawing_test_support.h"
#include "engine/pipeline.h"
#include "engine_test_support.h"
#include "platform/font.h"
#include "platform/text_drawing.h"
#include "psd_reader.h"
#include "settings/settings.h"

// Whole conversions with a frame and a watermark, the PSD read back by our
// reader and by Pillow.

namespace {
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    Rgb At(int x, int y) const {
        const size_t at = (static_cast<size_t>(y) * width + x) * 4;
        return {rgba[at], rgba[at + 1], rgba[at + 2]};
    }
    int Alpha(int x, int y) const { return rgba[(static_cast<size_t>(y) * width + x) * 4 + 3]; }
};

// The PSD by both readers; they must agree.
bool ReadOutput(const QString& path, Picture* picture) {
    PsdPicture psd;
    QString problem;
    if (!ReadPsd(ReadWholeFile(path), &psd, &problem)) {
        ADD_FAILURE() << problem.toStdString();
        return false;
    }
    *picture = {psd.width, psd.height, psd.rgba};
    if (PillowMissing()) return true;
    QString mode;
    int width = 0, height = 0;
    QByteArray rgba;
    if (!ReadWithPillow(path, &mode, &width, &height, &rgba)) {
        ADD_FAILURE() << "Pillow cannot read " << path.toStdString();
        return false;
    }
    EXPECT_EQ(width, psd.width);
    EXPECT_EQ(height, psd.height);
    EXPECT_TRUE(rgba == QByteArray(reinterpret_cast<const char*>(psd.rgba.data()), qsizetype(psd.rgba.size())))
        << "Pillow reads other pixels";
    return true;
}

const Rgb kGrey{100, 110, 120};
}  // namespace

TEST(ConversionWithDrawing, FrameAndImageWatermarkReachThePsd) {
    const struct {
        const char* name;
        int8_t boundary;
        int markLeft, markTop;
    } cases[] = {
        {"watermark in the image", 0, 10, 10},
        {"watermark inside the frame", 1, 30, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetDrawingSettings();
        EngineRun run;
        ASSERT_TRUE(WriteSolidPng(run.InputPath(), 100, 100, {100, 110, 120, 255}));
        const QString markPath = run.InputPath() + ".mark.png";
        ASSERT_TRUE(WriteSolidPng(markPath, 12, 8, {250, 20, 10, 255}));
        auto& f = ConversionSettings.frame;
        f.doFrame = 1;
        f.solidLeft = f.solidRight = f.solidTop = f.solidBottom = 20;
        f.solidTopColor = "FF0000";
        f.solidRightColor = "00FF00";
        f.solidBottomColor = "0000FF";
        f.solidLeftColor = "FFFF00";
        auto& w = ConversionSettings.watermark;
        w.doWatermark = 2;
        w.image = markPath;
        w.imagePosition = 0;
        w.imageBoundary = c.boundary;
        ConvertError error = ConvertError::None;
        ASSERT_TRUE(run.Convert(&error)) << ConvertErrorText(error);
        Picture psd;
        ASSERT_TRUE(ReadOutput(run.OutputPath(), &psd));
        ASSERT_EQ(psd.width, 100);
        ASSERT_EQ(psd.height, 100);
        EXPECT_EQ(psd.At(50, 5), (Rgb{255, 0, 0}));
        EXPECT_EQ(psd.At(95, 50), (Rgb{0, 255, 0}));
        EXPECT_EQ(psd.At(50, 95), (Rgb{0, 0, 255}));
        EXPECT_EQ(psd.At(5, 50), (Rgb{255, 255, 0}));
        EXPECT_EQ(psd.At(50, 50), kGrey);
        EXPECT_EQ(psd.At(c.markLeft, c.markTop), (Rgb{250, 20, 10}));
        EXPECT_EQ(psd.At(c.markLeft + 11, c.markTop + 7), (Rgb{250, 20, 10}));
        EXPECT_NE(psd.At(c.markLeft + 12, c.markTop + 7), (Rgb{250, 20, 10}));
        EXPECT_NE(psd.At(c.markLeft + 11, c.markTop + 8), (Rgb{250, 20, 10}));
        EXPECT_EQ(psd.Alpha(c.markLeft, c.markTop), 255);
    }
}

TEST(ConversionWithDrawing, TextWatermarkShowsTheImageSize) {
    ResetDrawingSettings();
    EngineRun run;
    ASSERT_TRUE(WriteSolidPng(run.InputPath(), 160, 60, {100, 110, 120, 255}));
    auto& w = ConversionSettings.watermark;
    w.doWatermark = 1;
    w.text = "%width%x%height%";
    w.backColor = "000000";
    w.backOpacity = 255;
    SetWatermarkFont(LoadFont(w.font, w.fontSize, 0));
    ASSERT_NE(WatermarkFont(), nullptr);
    const TextExtent box = MeasurePlainText(WatermarkFont(), "160x60");
    ConvertError error = ConvertError::None;
    const bool converted = run.Convert(&error);
    SetWatermarkFont(nullptr);
    ASSERT_TRUE(converted) << ConvertErrorText(error);
    Picture psd;
    ASSERT_TRUE(ReadOutput(run.OutputPath(), &psd));
    // The black box ends 10 pixels in from the lower-right corner.
    const int right = 160 - 10 - 1, bottom = 60 - 10 - 1;
    const int left = right - box.width + 1, top = bottom - box.height + 1;
    for (const auto& [x, y] : {std::pair{left, top}, {right, top}, {left, bottom}, {right, bottom}}) {
        SCOPED_TRACE(testing::Message() << x << "," << y);
        EXPECT_EQ(psd.At(x, y), (Rgb{0, 0, 0}));
    }
    EXPECT_EQ(psd.At(right + 1, bottom), kGrey);
    EXPECT_EQ(psd.At(left - 1, top), kGrey);
    EXPECT_EQ(psd.At(left, top - 1), kGrey);
    int white = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) white += psd.At(x, y) == Rgb{255, 255, 255} ? 1 : 0;
    EXPECT_GT(white, 40);
}
