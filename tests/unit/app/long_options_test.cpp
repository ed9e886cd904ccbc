#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "app/long_options.h"
#include "settings/settings.h"
#include "tests/unit/settings_snapshot.h"

namespace {

QStringList Sorted(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) list << QString::fromUtf8(item);
    list.sort();
    return list;
}

// Command-line defaults, with the two size modes moved off 0 so that their
// options show a change.
void ResetSettings() {
    LoadDefaultSettings(true);
    ConversionSettings.watermark.textSize = 7;
    ConversionSettings.watermark.imageSize = 7;
}

struct OptionCase {
    const char* name;
    const char* value;
    std::initializer_list<const char*> changes;
};

void CheckOptions(std::initializer_list<OptionCase> cases, OptionSource source) {
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1=%2").arg(QLatin1String(c.name), QString::fromUtf8(c.value)).toStdString());
        ResetSettings();
        const auto before = SettingsSnapshot();
        EXPECT_EQ(ApplyLongOption(QLatin1String(c.name), QString::fromUtf8(c.value), source), OptionResult::Applied);
        EXPECT_EQ(SettingsChangedSince(before), Sorted(c.changes));
    }
}

}  // namespace

TEST(ApplyLongOption, InputOptions) {
    CheckOptions(
        {
            {"--DDS-LOAD-AS", "rgba", {"Input/DDS Load As=2"}},
            {"--GIF-FRAME-LOADING", "last", {"Input/GIF Frame Loading=3"}},
            {"--ICO-FRAME-LOADING", "Random", {"Input/ICO Frame Loading=4"}},
            {"--TIFF-FRAME-LOADING", "MIDDLE", {"Input/TIFF Frame Loading=2"}},
            {"--PSD-COLOR-MODEL", "lab", {"Input/PSD Color Model=2"}},
            {"--RAW-LOAD-AS", "48", {"Input/RAW Load As=5"}},
            {"--RAW-HEADER-SIZE", "128", {"Input/RAW Header Size=128"}},
            {"--RAW-WIDTH", "640", {"Input/RAW Image Width=640"}},
            {"--RAW-HEIGHT", "480", {"Input/RAW Image Height=480"}},
            {"--RAW-TONE-MAPPING", "gd", {"Input/RAW Tone Mapping=4"}},
        },
        OptionSource::CommandLine);
}

TEST(ApplyLongOption, OutputOptions) {
    CheckOptions(
        {
            {"--BMP-COMPRESSION", "rle", {"Output/BMP Compression=1"}},
            {"--BMP-COLOR-TABLE", "exact", {"Output/BMP Color Table=1"}},
            {"--EXR-COMPRESSION", "b44", {"Output/EXR Compression=4"}},
            {"--JPG-QUALITY", "80", {"Output/JPG Quality=80"}},
            {"--JPG-CHROMA", "high", {"Output/JPG Chroma=3"}},
            {"--JPG-SAVE-AS", "progressive", {"Output/JPG Save As=3"}},
            {"--PNG-COMPRESSION", "lzw", {"Output/PNG Compression=6"}},  // one table for all five
            {"--PNG-INTERLACED", "0", {"Output/PNG Interlaced=1"}},      // flags ignore their value
            {"--TGA-COMPRESSION", "rle", {"Output/TGA Compression=1"}},
            {"--TIFF-COMPRESSION", "logluv", {"Output/TIFF Compression=8"}},
            {"--TIFF-COLOR-MODEL", "cmyk", {"Output/TIFF Color Model=1"}},
            {"--WEBP-QUALITY", "75", {"Output/WEBP Quality=75"}},
        },
        OptionSource::CommandLine);
}

TEST(ApplyLongOption, ColourDepthOptionOfEveryOutputFormat) {
    const char* formats[] = {"BMP", "DDS", "EXR", "GIF", "HDR", "ICO", "J2K", "JNG",  "JP2",  "JPG",  "JXR", "PBM",
                             "PCX", "PFM", "PGM", "PNG", "PPM", "PSD", "TGA", "TIFF", "WBMP", "WEBP", "XPM"};
    for (const char* format : formats) {
        SCOPED_TRACE(format);
        ResetSettings();
        const auto before = SettingsSnapshot();
        const QString name = QStringLiteral("--%1-BPP").arg(QLatin1String(format));
        EXPECT_EQ(LongOptionKind(name, OptionSource::CommandLine), OptionKind::Valued);
        EXPECT_EQ(ApplyLongOption(name, QStringLiteral("24"), OptionSource::CommandLine), OptionResult::Applied);
        EXPECT_EQ(SettingsChangedSince(before),
                  QStringList{QStringLiteral("Output/%1 BPP=24").arg(QLatin1String(format))});
    }
    EXPECT_EQ(LongOptionKind(QStringLiteral("--PNM-BPP"), OptionSource::CommandLine), OptionKind::NotAnOption);
}

TEST(ApplyLongOption, TransformOptions) {
    CheckOptions(
        {
            {"--ROTATION", "90", {"Transform/Image Rotation=90", "Transform/Do Image Rotation=1"}},
            {"--ROTATION-TYPE", "advanced", {"Transform/Image Rotation Type=1"}},
            {"--ROTATION-BACK-COLOR", "FF0000", {"Transform/Image Rotation Back Color=FF0000"}},
            {"--WIDTH", "50%", {"Transform/Image Width=50", "Transform/Do Image Resize=1"}},
            {"--WIDTH-UNIT", "percent", {"Transform/Image Width Unit=1"}},
            {"--HEIGHT", "300", {"Transform/Image Height=300", "Transform/Do Image Resize=1"}},
            {"--HEIGHT-UNIT", "percent", {"Transform/Image Height Unit=1"}},
            {"--KEEP-ASPECT-RATIO", "", {"Transform/Keep Aspect Ratio=1"}},
            {"--RESIZE-TYPE", "largeimages", {"Transform/Image Resize Type=1"}},
            {"--RESIZE-ALGORITHM", "lanczos", {"Transform/Image Resize Algorithm=5"}},
            {"--RESIZE-ALGORITHM", "lanczos3", {"Transform/Image Resize Algorithm=0"}},
            {"--FLIP-HORIZONTAL", "", {"Transform/Do Image Flip Horizontal=1"}},
            {"--FLIP-VERTICAL", "", {"Transform/Do Image Flip Vertical=1"}},
        },
        OptionSource::CommandLine);
}

TEST(ApplyLongOption, AdjustmentOptions) {
    CheckOptions(
        {
            {"--BRIGHTNESS", "-20", {"Adjustment/Image Brightness=-20", "Adjustment/Do Image Color Correction=1"}},
            {"--CONTRAST", "30", {"Adjustment/Image Contrast=30", "Adjustment/Do Image Color Correction=1"}},
            {"--GAMMA", "2.2", {"Adjustment/Image Gamma=2.200000", "Adjustment/Do Image Color Correction=1"}},
            {"--GAMMA", "1,5", {"Adjustment/Do Image Color Correction=1"}},  // reads 1, the default
            {"--INVERT", "", {"Adjustment/Image Invert=1", "Adjustment/Do Image Color Correction=1"}},
            {"--GREYSCALE", "", {"Adjustment/Do Image Greyscale=1"}},
            {"--THRESHOLD", "128", {"Adjustment/Image Threshold=128", "Adjustment/Do Image Threshold=1"}},
        },
        OptionSource::CommandLine);
}

TEST(ApplyLongOption, FrameOptions) {
    CheckOptions(
        {
            {"--FR-SOLID-LEFT", "5", {"Frame/Solid Left=5", "Frame/Do Frame=1"}},
            {"--FR-SOLID-RIGHT", "6", {"Frame/Solid Right=6", "Frame/Do Frame=1"}},
            {"--FR-SOLID-TOP", "7", {"Frame/Solid Top=7", "Frame/Do Frame=1"}},
            {"--FR-SOLID-BOTTOM", "8", {"Frame/Solid Bottom=8", "Frame/Do Frame=1"}},
            {"--FR-SOLID-LEFT-COLOR", "00FF00", {"Frame/Solid Left Color=00FF00"}},
            {"--FR-SOLID-RIGHT-COLOR", "0000FF", {"Frame/Solid Right Color=0000FF"}},
            {"--FR-SOLID-TOP-COLOR", "FFFFFF", {"Frame/Solid Top Color=FFFFFF"}},
            {"--FR-SOLID-BOTTOM-COLOR", "abc", {"Frame/Solid Bottom Color=abc"}},
            {"--FR-SOLID-OPACITY", "128", {"Frame/Solid Opacity=128"}},
        },
        OptionSource::CommandLine);
}

TEST(ApplyLongOption, WatermarkOptions) {
    CheckOptions(
        {
            {"--WM-TEXT", "Hi \"there\"", {"Watermark/Text=Hi \"there\"", "Watermark/Do Watermark=1"}},
            {"--WM-FONT", "Tahoma", {"Watermark/Font=Tahoma"}},
            {"--WM-FONT-SIZE", "20", {"Watermark/Font Size=20"}},
            {"--WM-FONT-LEADING", "3", {"Watermark/Font Leading=3"}},
            {"--WM-FONT-COLOR", "FF0000", {"Watermark/Font Color=FF0000"}},
            {"--WM-FONT-STYLE", "bolditalic", {"Watermark/Font Style=3"}},
            {"--WM-FONT-EFFECT", "strikethrought", {"Watermark/Font Effect=2"}},
            {"--WM-TEXT-ANTIALIASING", "no", {"Watermark/Text Antialiasing=1"}},
            {"--WM-TEXT-ALIGNMENT", "right", {"Watermark/Text Alignment=2"}},
            {"--WM-TEXT-PADDING", "4", {"Watermark/Text Padding=4"}},
            {"--WM-TEXT-OPACITY", "100", {"Watermark/Text Opacity=100"}},
            {"--WM-BACK-COLOR", "FFFFFF", {"Watermark/Back Color=FFFFFF"}},
            {"--WM-BACK-OPACITY", "50", {"Watermark/Back Opacity=50"}},
            {"--WM-TEXT-BOUNDARY", "frame", {"Watermark/Text Boundary=1"}},
            {"--WM-TEXT-POSITION", "middlecenter", {"Watermark/Text Position=4"}},
            {"--WM-TEXT-X-OFFSET", "-5", {"Watermark/Text X Offset=-5"}},
            {"--WM-TEXT-Y-OFFSET", "7", {"Watermark/Text Y Offset=7"}},
            {"--WM-TEXT-ROTATION", "45", {"Watermark/Text Rotation=45"}},
            {"--WM-TEXT-SIZE", "scaled", {"Watermark/Text Size=0"}},
            {"--WM-IMAGE", "logo.png", {"Watermark/Image=logo.png", "Watermark/Do Watermark=2"}},
            {"--WM-IMAGE-GREYSCALE", "", {"Watermark/Image Greyscale=1"}},
            {"--WM-IMAGE-OPACITY", "90", {"Watermark/Image Opacity=90"}},
            {"--WM-IMAGE-BOUNDARY", "frame", {"Watermark/Image Boundary=1"}},
            {"--WM-IMAGE-POSITION", "topleft", {"Watermark/Image Position=0"}},
            {"--WM-IMAGE-X-OFFSET", "11", {"Watermark/Image X Offset=11"}},
            {"--WM-IMAGE-Y-OFFSET", "12", {"Watermark/Image Y Offset=12"}},
            {"--WM-IMAGE-ROTATION", "30", {"Watermark/Image Rotation=30"}},
            {"--WM-IMAGE-SIZE", "fixed", {"Watermark/Image Size=0"}},
        },
        OptionSource::CommandLine);
}

TEST(ApplyLongOption, AdvancedOptions) {
    CheckOptions(
        {
            {"--FILENAME-MASK", "%filename%_x.%ext%", {"Advanced/Filename Mask=%filename%_x.%ext%"}},
            {"--FILE-TIMESTAMP", "custom", {"Advanced/File Timestamp=2"}},
            {"--FILE-TIMESTAMP-CUSTOM", "1700000000", {"Advanced/Custom Timestamp=1700000000"}},
            {"--NO-SUBFOLDERS", "1", {"Advanced/Keep Subfolders=0"}},
        },
        OptionSource::CommandLine);
}

TEST(ApplyLongOption, SolidOpacityNameDependsOnTheSource) {
    const struct {
        const char* name;
        OptionSource source;
        OptionKind kind;
        int opacity;
    } cases[] = {
        {"--FR-SOLID-OPACITY", OptionSource::CommandLine, OptionKind::Valued, 128},
        {"--WM-SOLID-OPACITY", OptionSource::CommandLine, OptionKind::NotAnOption, 255},
        {"--FR-SOLID-OPACITY", OptionSource::Profile, OptionKind::NotAnOption, 255},
        {"--WM-SOLID-OPACITY", OptionSource::Profile, OptionKind::Valued, 128},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 from %2")
                         .arg(QLatin1String(c.name), c.source == OptionSource::Profile ? "profile" : "command line")
                         .toStdString());
        ResetSettings();
        EXPECT_EQ(LongOptionKind(QLatin1String(c.name), c.source), c.kind);
        ApplyLongOption(QLatin1String(c.name), QStringLiteral("128"), c.source);
        EXPECT_EQ(ConversionSettings.frame.solidOpacity, c.opacity);
        EXPECT_EQ(ConversionSettings.frame.doFrame, 0);
    }
}

TEST(LongOptionKind, FlagsValuedOptionsAndOtherNames) {
    const struct {
        const char* name;
        OptionSource source;
        OptionKind kind;
    } cases[] = {
        {"--WIDTH", OptionSource::CommandLine, OptionKind::Valued},
        {"--GAMMA", OptionSource::Profile, OptionKind::Valued},
        {"--WM-TEXT", OptionSource::CommandLine, OptionKind::Valued},
        {"--INVERT", OptionSource::CommandLine, OptionKind::Flag},
        {"--PNG-INTERLACED", OptionSource::Profile, OptionKind::Flag},
        {"--NO-SUBFOLDERS", OptionSource::CommandLine, OptionKind::Flag},
        {"--PROFILE", OptionSource::CommandLine, OptionKind::Valued},
        {"--PROFILE", OptionSource::Profile, OptionKind::NotAnOption},
        {"--INPUT", OptionSource::CommandLine, OptionKind::NotAnOption},
        {"--QUIET", OptionSource::Profile, OptionKind::NotAnOption},
        {"--width", OptionSource::CommandLine, OptionKind::NotAnOption},  // callers upper-case first
        {"WIDTH", OptionSource::CommandLine, OptionKind::NotAnOption},
        {"", OptionSource::CommandLine, OptionKind::NotAnOption},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LongOptionKind(QLatin1String(c.name), c.source), c.kind);
    }
}

TEST(ApplyLongOption, UnknownNamesChangeNothing) {
    for (const char* name : {"--INPUT", "--DEBUG", "--NO-SUCH-OPTION", "--WIDTHX", "-W"}) {
        SCOPED_TRACE(name);
        ResetSettings();
        const auto before = SettingsSnapshot();
        EXPECT_EQ(ApplyLongOption(QLatin1String(name), QStringLiteral("5"), OptionSource::CommandLine),
                  OptionResult::NotAnOption);
        EXPECT_EQ(SettingsChangedSince(before), QStringList());
    }
}

TEST(ApplyLongOption, LastWatermarkKindWins) {
    ResetSettings();
    ApplyLongOption(QStringLiteral("--WM-IMAGE"), QStringLiteral("logo.png"), OptionSource::CommandLine);
    ApplyLongOption(QStringLiteral("--WM-TEXT"), QStringLiteral("Hi"), OptionSource::CommandLine);
    EXPECT_EQ(ConversionSettings.watermark.doWatermark, 1);
    ApplyLongOption(QStringLiteral("--WM-IMAGE"), QStringLiteral("logo.png"), OptionSource::CommandLine);
    EXPECT_EQ(ConversionSettings.watermark.doWatermark, 2);
    EXPECT_EQ(ConversionSettings.watermark.text, QStringLiteral("Hi"));
}

TEST(ApplyLongOption, ProfileOptionReportsUnreadableFiles) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.ini"));
    const struct {
        const char* name;
        QString path;
        OptionResult result;
    } cases[] = {
        {"missing file", missing, OptionResult::BadProfile},
        {"empty name", QString(), OptionResult::BadProfile},
        {"folder", dir.path(), OptionResult::BadProfile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetSettings();
        const auto before = SettingsSnapshot();
        const OptionResult result = ApplyLongOption(QStringLiteral("--PROFILE"), c.path, OptionSource::CommandLine);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(OptionErrorText(result), QStringLiteral("Invalid profile file"));
        EXPECT_EQ(SettingsChangedSince(before), QStringList());
    }
    EXPECT_EQ(OptionErrorText(OptionResult::Applied), QString());
    EXPECT_EQ(OptionErrorText(OptionResult::NotAnOption), QString());
}

TEST(ReadOptionNumber, SignsBasesAndFirstMisfit) {
    const int32_t max = std::numeric_limits<int32_t>::max();
    const int32_t min = std::numeric_limits<int32_t>::min();
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"95", 95},
        {"+7", 7},
        {"-20", -20},
        {" \t12", 12},
        {"50%", 50},
        {"12abc", 12},
        {"1.9", 1},
        {"1 000", 1},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"+-5", 0},
        {"- 5", 0},
        {"0x10", 0},
        {"$FF", 255},
        {"$ff", 255},
        {"-$10", -16},
        {"$1G", 1},
        {"$", 0},
        {"%101", 5},
        {"%102", 2},
        {"-%11", -3},
        {"%", 0},
        {"%2", 0},
        {"2147483647", max},
        {"2147483648", max},
        {"-2147483648", min},
        {"-2147483649", min},
        {"$7FFFFFFF", max},
        {"$FFFFFFFF", max},
        {"99999999999999999999", max},
        {"-99999999999999999999", min},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadOptionNumber(QLatin1String(c.text)), c.value);
    }
}

TEST(ReadOptionDecimal, DecimalPointAndSpecialWords) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        const char* text;
        float value;
    } cases[] = {
        {"2.2", 2.2f}, {"1,5", 1.0f},   {"0.01", 0.01f}, {" 9.99", 9.99f},   {"-1.5", -1.5f},
        {"abc", 0.0f}, {"", 0.0f},      {"3.5x", 3.5f},  {"+Infinity", inf}, {"-INFINITY", -inf},
        {"1e40", inf}, {"-1e40", -inf}, {"1e-50", 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_FLOAT_EQ(ReadOptionDecimal(QLatin1String(c.text)), c.value);
    }
    EXPECT_TRUE(std::isnan(ReadOptionDecimal(QStringLiteral("NaN"))));
    EXPECT_TRUE(std::isnan(ReadOptionDecimal(QStringLiteral("nan"))));
}
