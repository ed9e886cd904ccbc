#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "batch/command_line_job.h"
#include "batch/job.h"
#include "batch/watermark_font.h"
#include "batch_test_support.h"
#include "settings/settings.h"

namespace {

// Fields set for one case; the folder is the test's temporary folder.
using CaseSetup = void (*)(const QString& folder);

class CommandLineChecks : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + QLatin1Char('/');
        ASSERT_TRUE(WriteTestFile(folder + QStringLiteral("in.png"), "not read by the checks"));
        ASSERT_TRUE(WriteTestFile(folder + QStringLiteral("empty.png"), ""));
        ASSERT_TRUE(WriteTestFile(folder + QStringLiteral("mark.png"), "x"));
        ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("out")));
        ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("prog/out")));
        ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("dir.png")));
        Reset();
    }
    void Reset() {
        ResetBatchState();
        ConversionJob.programFolder = folder + QStringLiteral("prog/");
        ConversionJob.inputArgument = folder + QStringLiteral("in.png");
        ConversionJob.outputFolder = folder + QStringLiteral("out");
    }
    QTemporaryDir dir;
    QString folder;
};

TEST_F(CommandLineChecks, EachFailingCheckPrintsOnlyItsErrorLine) {
    const struct {
        const char* name;
        CaseSetup setup;
        const char* error;
    } cases[] = {
        {"no extension", [](const QString& f) { ConversionJob.inputArgument = f + "picture"; },
         "Error: Invalid input file"},
        {"empty file", [](const QString& f) { ConversionJob.inputArgument = f + "empty.png"; },
         "Error: Invalid input file"},
        {"missing file", [](const QString& f) { ConversionJob.inputArgument = f + "missing.png"; },
         "Error: Invalid input file"},
        {"folder as input", [](const QString& f) { ConversionJob.inputArgument = f + "dir.png"; },
         "Error: Invalid input file"},
        {"output ..", [](const QString&) { ConversionJob.outputFolder = ".."; }, "Error: Incorrect output folder"},
        {"output ../out", [](const QString&) { ConversionJob.outputFolder = "../out"; },
         "Error: Incorrect output folder"},
        {"missing output", [](const QString& f) { ConversionJob.outputFolder = f + "nowhere"; },
         "Error: Invalid output folder"},
        {"file as output", [](const QString& f) { ConversionJob.outputFolder = f + "in.png"; },
         "Error: Invalid output folder"},
        {"relative missing output", [](const QString&) { ConversionJob.outputFolder = "nowhere"; },
         "Error: Invalid output folder"},
        {"type in capitals", [](const QString&) { ConversionJob.conversionType = "PSD"; },
         "Error: Invalid conversion type"},
        {"unknown type", [](const QString&) { ConversionJob.conversionType = "jpg"; },
         "Error: Invalid conversion type"},
        {"psd-bpp 24", [](const QString&) { ConversionSettings.output.psdBpp = 24; }, "Error: Invalid psd-bpp value"},
        {"width 0",
         [](const QString&) {
             ConversionSettings.transform.doImageResize = 1;
             ConversionSettings.transform.imageWidth = 0;
             ConversionSettings.transform.imageHeight = 100;
         },
         "Error: Invalid width value"},
        {"height 0",
         [](const QString&) {
             ConversionSettings.transform.doImageResize = 1;
             ConversionSettings.transform.imageWidth = 100;
             ConversionSettings.transform.imageHeight = 0;
         },
         "Error: Invalid height value"},
        {"brightness 101",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageBrightness = 101;
         },
         "Error: Invalid brightness value"},
        {"brightness -101",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageBrightness = -101;
         },
         "Error: Invalid brightness value"},
        {"contrast -101",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageContrast = -101;
         },
         "Error: Invalid contrast value"},
        {"gamma 0.009",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageGamma = 0.009f;
         },
         "Error: Invalid gamma value"},
        {"gamma 10",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageGamma = 10.0f;
         },
         "Error: Invalid gamma value"},
        {"gamma NaN",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageGamma = std::numeric_limits<float>::quiet_NaN();
         },
         "Error: Invalid gamma value"},
        {"gamma +Infinity",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageGamma = std::numeric_limits<float>::infinity();
         },
         "Error: Invalid gamma value"},
        {"text watermark in a font that cannot be loaded",
         [](const QString&) {
             ConversionSettings.watermark.doWatermark = 1;
             ConversionSettings.watermark.font = QStringLiteral("NoSuchFontXyz");
         },
         "Error: Invalid watermark font"},
        {"missing watermark image",
         [](const QString& f) {
             ConversionSettings.watermark.doWatermark = 2;
             ConversionSettings.watermark.image = f + "nothing.png";
         },
         "Error: Invalid watermark image"},
        {"empty watermark image",
         [](const QString& f) {
             ConversionSettings.watermark.doWatermark = 2;
             ConversionSettings.watermark.image = f + "empty.png";
         },
         "Error: Invalid watermark image"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        c.setup(folder);
        CapturedOutput output;
        EXPECT_FALSE(CheckCommandLineJob(true));
        EXPECT_EQ(output.Lines(), QStringList{QString::fromUtf8(c.error)});
    }
}

TEST_F(CommandLineChecks, AcceptsValuesOnTheBoundsAndUncheckedSwitches) {
    const struct {
        const char* name;
        CaseSetup setup;
    } cases[] = {
        {"defaults", [](const QString&) {}},
        {"type psd", [](const QString&) { ConversionJob.conversionType = "psd"; }},
        {"psd-bpp 32", [](const QString&) { ConversionSettings.output.psdBpp = 32; }},
        {"resize off, no size",
         [](const QString&) {
             ConversionSettings.transform.imageWidth = 0;
             ConversionSettings.transform.imageHeight = 0;
         }},
        {"negative sizes",
         [](const QString&) {
             ConversionSettings.transform.doImageResize = 1;
             ConversionSettings.transform.imageWidth = -5;
             ConversionSettings.transform.imageHeight = -5;
         }},
        {"bounds of brightness, contrast, gamma low",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageBrightness = -100;
             ConversionSettings.adjustment.imageContrast = 100;
             ConversionSettings.adjustment.imageGamma = 0.01f;
         }},
        {"gamma high",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageBrightness = 100;
             ConversionSettings.adjustment.imageContrast = -100;
             ConversionSettings.adjustment.imageGamma = 9.99f;
         }},
        {"colour correction off",
         [](const QString&) {
             ConversionSettings.adjustment.imageGamma = 50.0f;
             ConversionSettings.adjustment.imageBrightness = 500;
         }},
        {"image watermark",
         [](const QString& f) {
             ConversionSettings.watermark.doWatermark = 2;
             ConversionSettings.watermark.image = f + "mark.png";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        c.setup(folder);
        CapturedOutput output;
        EXPECT_TRUE(CheckCommandLineJob(true));
        EXPECT_TRUE(output.Lines().isEmpty()) << output.Lines().join('|').toStdString();
    }
}

TEST_F(CommandLineChecks, TheFirstFailingCheckWins) {
    const struct {
        const char* name;
        CaseSetup setup;
        const char* error;
    } cases[] = {
        {"input before output",
         [](const QString& f) {
             ConversionJob.inputArgument = f + "missing.png";
             ConversionJob.outputFolder = "..";
         },
         "Error: Invalid input file"},
        {"output before type",
         [](const QString& f) {
             ConversionJob.outputFolder = f + "nowhere";
             ConversionJob.conversionType = "PSD";
         },
         "Error: Invalid output folder"},
        {"type before depth",
         [](const QString&) {
             ConversionJob.conversionType = "PSD";
             ConversionSettings.output.psdBpp = 24;
         },
         "Error: Invalid conversion type"},
        {"depth before size",
         [](const QString&) {
             ConversionSettings.output.psdBpp = 24;
             ConversionSettings.transform.doImageResize = 1;
             ConversionSettings.transform.imageWidth = 0;
         },
         "Error: Invalid psd-bpp value"},
        {"width before height",
         [](const QString&) {
             ConversionSettings.transform.doImageResize = 1;
             ConversionSettings.transform.imageWidth = 0;
             ConversionSettings.transform.imageHeight = 0;
         },
         "Error: Invalid width value"},
        {"size before colour",
         [](const QString&) {
             ConversionSettings.transform.doImageResize = 1;
             ConversionSettings.transform.imageWidth = 10;
             ConversionSettings.transform.imageHeight = 0;
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageBrightness = 500;
         },
         "Error: Invalid height value"},
        {"brightness before contrast and gamma",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageBrightness = 500;
             ConversionSettings.adjustment.imageContrast = 500;
             ConversionSettings.adjustment.imageGamma = 0.0f;
         },
         "Error: Invalid brightness value"},
        {"contrast before gamma",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageContrast = 500;
             ConversionSettings.adjustment.imageGamma = 0.0f;
         },
         "Error: Invalid contrast value"},
        {"gamma before watermark",
         [](const QString&) {
             ConversionSettings.adjustment.doImageColorCorrection = 1;
             ConversionSettings.adjustment.imageGamma = 0.0f;
             ConversionSettings.watermark.doWatermark = 1;
         },
         "Error: Invalid gamma value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        c.setup(folder);
        CapturedOutput output;
        EXPECT_FALSE(CheckCommandLineJob(true));
        EXPECT_EQ(output.Lines(), QStringList{QString::fromUtf8(c.error)});
    }
}

TEST_F(CommandLineChecks, ResolvesTheOutputFolder) {
    const struct {
        const char* output;
        const char* resolved;  // below the temporary folder
    } cases[] = {
        {"", ""},  // the folder of the input file
        {"out", "prog/out/"},
        {"./out", "prog/out/"},
        {"@out", "out/"},
        {"@out/", "out/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        Reset();
        QString output = QString::fromUtf8(c.output);
        if (output.startsWith(QLatin1Char('@'))) output = folder + output.mid(1);
        ConversionJob.outputFolder = output;
        CapturedOutput lines;
        ASSERT_TRUE(CheckCommandLineJob(true));
        EXPECT_EQ(ConversionJob.outputFolder, folder + QString::fromUtf8(c.resolved));
        EXPECT_EQ(ConversionJob.currentInputPath, folder + QStringLiteral("in.png"));
        EXPECT_TRUE(ConversionJob.inputArgument.isEmpty());
    }
}

TEST_F(CommandLineChecks, ABareInputNameSendsTheOutputToTheProgramFolder) {
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder));
    ConversionJob.inputArgument = QStringLiteral("in.png");
    ConversionJob.outputFolder.clear();
    ConversionJob.programFolder = folder + QStringLiteral("prog/");
    CapturedOutput lines;
    const bool ok = CheckCommandLineJob(true);
    QDir::setCurrent(saved);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ConversionJob.outputFolder, folder + QStringLiteral("prog/"));
}

TEST_F(CommandLineChecks, CopiesTheOutputBitDepth) {
    const struct {
        int32_t psdBpp;
        int32_t outputBitDepth;
        uint8_t automaticDepth;
    } cases[] = {{0, 0, 1}, {32, 32, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.psdBpp);
        Reset();
        ConversionSettings.output.psdBpp = c.psdBpp;
        CapturedOutput lines;
        ASSERT_TRUE(CheckCommandLineJob(true));
        EXPECT_EQ(ConversionJob.conversionType, QStringLiteral("psd"));
        EXPECT_EQ(ConversionJob.inputFormat, QStringLiteral("png"));
        EXPECT_EQ(ConversionJob.outputBitDepth, c.outputBitDepth);
        EXPECT_EQ(ConversionJob.automaticDepth, c.automaticDepth);
    }
}

TEST_F(CommandLineChecks, DebugDumpOfTheDefaultSettings) {
    ConversionJob.runMode = QStringLiteral("DEBUG");
    CapturedOutput output;
    ASSERT_TRUE(CheckCommandLineJob(false));
    const QStringList expected = {
        "Preparing...",
        "Input: " + folder + "in.png",
        "Output: " + folder + "out",
        "Conversion: psd",
        "PSD BPP: 0",
        "Flip Horizontal: 0",
        "Flip Vertical: 0",
        "Greyscale: 0",
        "Frame: none",
        "Watermark: none",
        "Filename Mask: %filename%.%ext%",
        "File Timestamp: current",
        "Keep Subfolders: 1",
    };
    EXPECT_EQ(output.Lines(), expected);
}

TEST_F(CommandLineChecks, DebugDumpWithEverySectionOn) {
    ConversionJob.runMode = QStringLiteral("DEBUG");
    auto& s = ConversionSettings;
    s.output.psdBpp = 32;
    s.transform.doImageRotation = 1;
    s.transform.imageRotationType = 1;
    s.transform.imageRotation = 90;
    s.transform.imageRotationBackColor = QStringLiteral("00FF00");
    s.transform.doImageResize = 1;
    s.transform.imageWidth = 50;
    s.transform.imageWidthUnit = 1;
    s.transform.imageHeight = 20;
    s.transform.imageHeightUnit = 0;
    s.transform.keepAspectRatio = 1;
    s.transform.imageResizeType = 1;
    s.transform.imageResizeAlgorithm = 5;
    s.transform.doImageFlipHorizontal = 1;
    s.adjustment.doImageColorCorrection = 1;
    s.adjustment.imageBrightness = -7;
    s.adjustment.imageContrast = 8;
    s.adjustment.imageGamma = 1.5f;
    s.adjustment.imageInvert = 1;
    s.adjustment.doImageGreyscale = 1;
    s.adjustment.doImageThreshold = 1;
    s.adjustment.imageThreshold = 128;
    s.frame.doFrame = 1;
    s.frame.solidLeft = 1;
    s.frame.solidRight = 2;
    s.frame.solidTop = 3;
    s.frame.solidBottom = 4;
    s.frame.solidLeftColor = QStringLiteral("111111");
    s.frame.solidRightColor = QStringLiteral("222222");
    s.frame.solidTopColor = QStringLiteral("333333");
    s.frame.solidBottomColor = QStringLiteral("444444");
    s.frame.solidOpacity = 60;
    s.watermark.doWatermark = 2;
    s.watermark.image = folder + QStringLiteral("mark.png");
    s.watermark.imageGreyscale = 1;
    s.watermark.imageOpacity = 40;
    s.watermark.imageBoundary = 1;
    s.watermark.imagePosition = 8;
    s.watermark.imageXOffset = -3;
    s.watermark.imageYOffset = 4;
    s.watermark.imageRotation = 45;
    s.watermark.imageSize = 1;
    s.advanced.filenameMask = QStringLiteral("IMG_%n%.%ext%");
    s.advanced.fileTimestamp = 2;
    s.advanced.customTimestamp = 86400;
    s.advanced.keepSubfolders = 0;
    CapturedOutput output;
    ASSERT_TRUE(CheckCommandLineJob(true));
    const QStringList expected = {
        "Input: " + folder + "in.png",
        "Output: " + folder + "out",
        "Conversion: psd",
        "PSD BPP: 32",
        "Image Rotation Type: advanced",
        "Image Rotation: 90",
        "Image Rotation Back Color: 00FF00",
        "Width: 50 percent",
        "Height: 20 pixels",
        "Keep Aspect Ratio: 1",
        "Image Resize Type: largeimages",
        "Image Resize Algorithm: lanczos",
        "Flip Horizontal: 1",
        "Flip Vertical: 0",
        "Brightness: -7",
        "Contrast: 8",
        "Gamma: 1.50",
        "Invert: 1",
        "Greyscale: 1",
        "Image Threshold: 128",
        "Frame: solid",
        "Frame left: 1",
        "Frame right: 2",
        "Frame top: 3",
        "Frame bottom: 4",
        "Frame left color: 111111",
        "Frame right color: 222222",
        "Frame top color: 333333",
        "Frame bottom color: 444444",
        "Frame opacity: 60",
        "Watermark: image",
        "Watermark image: " + folder + "mark.png",
        "Watermark greyscale: 1",
        "Watermark opacity: 40",
        "Watermark boundary: frame",
        "Watermark position: bottomright",
        "Watermark offset (x/y): -3/4",
        "Watermark rotation: 45",
        "Watermark size/mode: ",
        "Filename Mask: IMG_%n%.%ext%",
        "File Timestamp: custom",
        "Custom Timestamp: 86400",
        "Keep Subfolders: 0",
    };
    EXPECT_EQ(output.Lines(), expected);
}

TEST_F(CommandLineChecks, DebugDumpOfATextWatermarkBeforeTheFontCheck) {
    ConversionJob.runMode = QStringLiteral("DEBUG");
    auto& w = ConversionSettings.watermark;
    w.doWatermark = 1;
    w.text = QStringLiteral("%filename% 100%");
    w.font = QStringLiteral("NoSuchFontXyz");
    w.fontSize = 12;
    w.fontLeading = 2;
    w.fontColor = QStringLiteral("FFFFFF");
    w.fontStyle = 3;
    w.fontEffect = 2;
    w.textAntialiasing = 1;
    w.textAlignment = 2;
    w.textPadding = 5;
    w.textOpacity = 70;
    w.backColor = QStringLiteral("000000");
    w.backOpacity = 30;
    w.textBoundary = 0;
    w.textPosition = 4;
    w.textXOffset = 10;
    w.textYOffset = -10;
    w.textRotation = 0;
    w.textSize = 0;
    CapturedOutput output;
    ASSERT_FALSE(CheckCommandLineJob(true));
    QStringList lines = output.Lines();
    const qsizetype start = lines.indexOf(QStringLiteral("Watermark: text"));
    ASSERT_GE(start, 0);
    const QStringList expected = {
        "Watermark: text",
        "Watermark text: %filename% 100%",
        "Watermark font: NoSuchFontXyz",
        "Watermark font size: 12",
        "Watermark font leading: 2",
        "Watermark font color: FFFFFF",
        "Watermark font style: bolditalic",
        "Watermark font effect: strikethrought",
        "Watermark text antialiasing: 1",
        "Watermark text alignment: right",
        "Watermark text padding: 5",
        "Watermark text opacity: 70",
        "Watermark background color: 000000",
        "Watermark background opacity: 30",
        "Watermark boundary: image",
        "Watermark position: middlecenter",
        "Watermark offset (x/y): 10/-10",
        "Watermark rotation: 0",
        "Watermark size/mode: fixed",
        "Error: Invalid watermark font",
    };
    EXPECT_EQ(lines.mid(start), expected);
}

TEST_F(CommandLineChecks, ATextWatermarkLoadsItsFont) {
    ConversionSettings.watermark.doWatermark = 1;
    ConversionSettings.watermark.font = QStringLiteral("Arial");
    CapturedOutput output;
    EXPECT_TRUE(CheckCommandLineJob(true));
    EXPECT_TRUE(IsWatermarkFontLoaded());
    FreeWatermarkFont();
    EXPECT_FALSE(IsWatermarkFontLoaded());
}

TEST_F(CommandLineChecks, InputFormatLines) {
    const struct {
        const char* format;
        const char* lines;  // joined by "|"
    } cases[] = {
        {"png", ""},
        {"dds", "DDS Load As: rgba"},
        {"gif", "GIF Frame Loading: last"},
        {"ico", "ICO Frame Loading: random"},
        {"psd", "PSD Color Model: lab"},
        {"raw",
         "RAW Load As: 48hs|RAW Header Size: 16|RAW Image Width: 640|RAW Image Height: 480|RAW Tone Mapping: drr"},
        {"tiff", "TIFF Frame Loading: first"},
        {"bmp", ""},
    };
    auto& i = ConversionSettings.input;
    i.ddsLoadAs = 2;
    i.gifFrameLoading = 3;
    i.icoFrameLoading = 4;
    i.tiffFrameLoading = 1;
    i.psdColorModel = 2;
    i.rawLoadAs = 4;
    i.rawHeaderSize = 16;
    i.rawImageWidth = 640;
    i.rawImageHeight = 480;
    i.rawToneMapping = 3;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        CapturedOutput output;
        PrintInputFormatLines(QString::fromUtf8(c.format));
        EXPECT_EQ(output.Lines().join(QLatin1Char('|')), QString::fromUtf8(c.lines));
    }
}

TEST_F(CommandLineChecks, OutputFormatBlocks) {
    const struct {
        const char* type;
        CaseSetup setup;
        const char* lines;  // joined by "|"
    } cases[] = {
        {"psd", [](const QString&) { ConversionSettings.output.psdBpp = 32; }, "PSD BPP: 32"},
        {"psd", [](const QString&) { ConversionSettings.output.psdBpp = 8; },
         "PSD BPP: 8|Error: Invalid psd-bpp value"},
        {"bmp",
         [](const QString&) {
             ConversionSettings.output.bmpBpp = 24;
             ConversionSettings.output.bmpCompression = 1;
             ConversionSettings.output.bmpColorTable = 1;
         },
         "BMP BPP: 24|BMP Compression: rle|BMP Color Table: exact"},
        {"exr", [](const QString&) { ConversionSettings.output.exrCompression = 3; },
         "EXR BPP: 0|EXR Compression: pxr24"},
        {"png",
         [](const QString&) {
             ConversionSettings.output.pngCompression = 2;
             ConversionSettings.output.pngInterlaced = 1;
         },
         "PNG BPP: 0|PNG Compression: zlib6|PNG Interlaced: 1"},
        {"tga", [](const QString&) { ConversionSettings.output.tgaCompression = 0; },
         "TGA BPP: 0|TGA Compression: none"},
        {"tiff",
         [](const QString&) {
             ConversionSettings.output.tiffCompression = 8;
             ConversionSettings.output.tiffColorModel = 1;
         },
         "TIFF BPP: 0|TIFF Compression: logluv|TIFF Color Model: cmyk"},
        {"jpg",
         [](const QString&) {
             ConversionSettings.output.jpgBpp = 24;
             ConversionSettings.output.jpgQuality = 100;
             ConversionSettings.output.jpgChroma = 3;
             ConversionSettings.output.jpgSaveAs = 3;
         },
         "JPG BPP: 24|JPG Quality: 100|JPG Chroma Subsampling: high|JPG Save As: progressive"},
        {"jpg", [](const QString&) { ConversionSettings.output.jpgBpp = 32; },
         "JPG BPP: 32|JPG Quality: 95|JPG Chroma Subsampling: none|JPG Save As: standard|"
         "Error: Invalid jpg-bpp value"},
        {"jpg", [](const QString&) { ConversionSettings.output.jpgQuality = 0; },
         "JPG BPP: 0|JPG Quality: 0|JPG Chroma Subsampling: none|JPG Save As: standard|"
         "Error: Invalid jpg-quality value"},
        {"webp", [](const QString&) { ConversionSettings.output.webpQuality = 101; },
         "WEBP BPP: 0|WEBP Quality: 101|Error: Invalid webp-quality value"},
        {"wbmp", [](const QString&) {}, "WBMP BPP: 0"},
        {"unknown", [](const QString&) {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        Reset();
        c.setup(folder);
        CapturedOutput output;
        const bool ok = CheckOutputFormat(QString::fromUtf8(c.type), true);
        const QString lines = QString::fromUtf8(c.lines);
        EXPECT_EQ(ok, !lines.contains(QStringLiteral("Error: ")));
        EXPECT_EQ(output.Lines().join(QLatin1Char('|')), lines);
    }
}

TEST(SettingKeyword, GivesTheLowerCaseKeywordOfTheList) {
    const struct {
        int32_t list;
        int32_t value;
        const char* format;
        const char* keyword;
    } cases[] = {
        {13, 0, "", "none"},
        {13, 1, "", "solid"},
        {13, 2, "", ""},
        {14, 2, "", "image"},
        {16, 2, "", "strikethrought"},
        {20, 0, "", "fixed"},
        {20, 1, "", ""},
        {21, 0, "", "current"},
        {21, 1, "", "original"},
        {21, 2, "", "custom"},
        {21, -1, "", ""},
        {1, 4, "", "48hs"},
        {4, 1, "bmp", "rle"},
        {4, 1, "exr", "zip"},
        {4, 3, "png", "zlib9"},
        {4, 5, "tiff", "adobedeflate"},
        {4, 2, "bmp", ""},
        {22, 0, "", ""},
        {-1, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.list << "/" << c.value << " " << c.format);
        EXPECT_EQ(SettingKeyword(c.list, c.value, QString::fromUtf8(c.format)), QString::fromUtf8(c.keyword));
    }
}

TEST(IsOutputFormat, MatchesTheOutputFormatListExactly) {
    const struct {
        const char* name;
        bool known;
    } cases[] = {{"psd", true}, {"PSD", false}, {"Psd", false}, {"psd ", false}, {"", false}, {"jpg", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsOutputFormat(QString::fromUtf8(c.name)), c.known);
    }
}

TEST(IsAllowedBitDepth, AcceptsZeroAndTheFormatsDepths) {
    ResetBatchState();
    const struct {
        const char* format;
        int32_t depth;
        bool allowed;
    } cases[] = {
        {"psd", 0, true},  {"psd", 32, true}, {"psd", 24, false}, {"psd", 3, false}, {"bmp", 1, true},
        {"bmp", 16, true}, {"bmp", 2, false}, {"jpg", 8, true},   {"none", 0, true}, {"none", 32, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.format << " " << c.depth);
        EXPECT_EQ(IsAllowedBitDepth(QString::fromUtf8(c.format), c.depth), c.allowed);
    }
}

TEST(FontFlags, MapStyleAndEffectCodes) {
    const struct {
        int8_t code;
        int32_t style;
        int32_t effect;
    } cases[] = {
        {0, 0, 0},
        {1, FontBold, FontUnderline},
        {2, FontItalic, FontStrikeOut},
        {3, FontBold | FontItalic, 0},
        {4, 0, 0},
        {-1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.code));
        EXPECT_EQ(FontStyleFlags(c.code), c.style);
        EXPECT_EQ(FontEffectFlags(c.code), c.effect);
    }
}

}  // namespace
