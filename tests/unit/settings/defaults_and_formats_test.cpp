#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "platform/date_value.h"
#include "platform/desktop.h"
#include "settings/formats.h"
#include "settings/settings.h"

TEST(DefaultWindowPlacement, CentresOnWideEnoughDesktops) {
    const struct {
        int width, height, x, y;
    } cases[] = {
        {1920, 1080, 705, 410}, {510, 260, 100, 100}, {509, 259, 100, 100},
        {511, 261, 0, 0},       {0, 0, 100, 100},     {1366, 768, 428, 254},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        EXPECT_EQ(DefaultWindowX(c.width), c.x);
        EXPECT_EQ(DefaultWindowY(c.height), c.y);
    }
}

TEST(LoadDefaultSettings, CommandLineAndWindowFlavours) {
    RegisterPrimaryDesktopSize({1920, 1080});
    LoadDefaultSettings(false);
    EXPECT_EQ(ConversionSettings.transform.keepAspectRatio, 1);
    EXPECT_EQ(ConversionSettings.window.x, 705);
    EXPECT_EQ(ConversionSettings.window.y, 410);
    RegisterPrimaryDesktopSize({});
    LoadDefaultSettings(true);
    EXPECT_EQ(ConversionSettings.transform.keepAspectRatio, 0);
    // No display: the desktop counts as 0 x 0.
    EXPECT_EQ(ConversionSettings.window.x, 100);
    EXPECT_EQ(ConversionSettings.window.y, 100);
}

TEST(LoadDefaultSettings, SetsTheListedDefaults) {
    ConversionSettings = ConversionSettingsRecord{};
    ConversionSettings.output.jpgQuality = -7;
    const int32_t before = CurrentDateValue();
    LoadDefaultSettings(true);
    const int32_t after = CurrentDateValue();
    const ConversionSettingsRecord& s = ConversionSettings;
    EXPECT_EQ(s.general.cfg, 18);
    EXPECT_EQ(s.general.language, QStringLiteral("en"));
    EXPECT_EQ(s.general.updateRange, 2);
    EXPECT_GE(s.general.updateDate, before);
    EXPECT_LE(s.general.updateDate, after);
    EXPECT_GE(s.advanced.customTimestamp, before);
    EXPECT_EQ(s.window.width, 510);
    EXPECT_EQ(s.window.height, 260);
    EXPECT_EQ(s.window.showAdvancedOptions, 1);
    EXPECT_EQ(s.interface.uiTheme, QStringLiteral("handdrawn"));
    EXPECT_EQ(s.input.format, QStringLiteral("png"));
    EXPECT_EQ(s.input.rawToneMapping, 2);
    EXPECT_EQ(s.output.format, QStringLiteral("psd"));
    EXPECT_EQ(s.output.jpgQuality, 95);
    EXPECT_EQ(s.output.webpQuality, 100);
    EXPECT_EQ(s.output.psdBpp, 0);
    EXPECT_EQ(s.transform.imageResizeAlgorithm, 3);
    EXPECT_EQ(s.transform.imageRotationBackColor, QStringLiteral("000000"));
    EXPECT_FLOAT_EQ(s.adjustment.imageGamma, 1.0f);
    EXPECT_EQ(s.frame.solidOpacity, 255);
    EXPECT_EQ(s.watermark.font, QStringLiteral("Arial"));
    EXPECT_EQ(s.watermark.fonts, QStringLiteral("Arial,Tahoma,Verdana"));
    EXPECT_EQ(s.watermark.fontSize, 14);
    EXPECT_EQ(s.watermark.fontColor, QStringLiteral("FFFFFF"));
    EXPECT_EQ(s.watermark.backColors, s.watermark.fontColors);
    EXPECT_EQ(s.watermark.fontColors.split(u',').size(), 9);
    EXPECT_EQ(s.watermark.backOpacity, 1);
    EXPECT_EQ(s.watermark.textPosition, 8);
    EXPECT_EQ(s.watermark.imagePosition, 8);
    EXPECT_EQ(s.watermark.textXOffset, 10);
    EXPECT_EQ(s.watermark.textScale, 10);
    EXPECT_TRUE(s.watermark.text.startsWith(QChar(0x00A9)));
    EXPECT_EQ(s.advanced.filenameMask, QStringLiteral("%filename%.%ext%"));
    EXPECT_EQ(s.advanced.outFoldersNumber, 5);
    EXPECT_EQ(s.advanced.keepSubfolders, 1);
    EXPECT_EQ(s.file.txtFields, QStringLiteral("username,password,firstname,lastname,title,sex,notes"));
    EXPECT_EQ(s.file.csvDelimiter, QStringLiteral(","));
    EXPECT_EQ(s.privacy.cleanRecentFiles, 0);
}

TEST(SettingFields, DescribeEveryKeyOnce) {
    int count = 0;
    const SettingField* fields = SettingFields(&count);
    EXPECT_EQ(count, 141);
    std::set<std::pair<std::string, std::string>> seen;
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(fields[i].key);
        EXPECT_TRUE(seen.insert({fields[i].group, fields[i].key}).second);
        EXPECT_EQ(FindSetting(fields[i].group, fields[i].key), &fields[i]);
    }
    // The same key in two groups names two settings.
    EXPECT_NE(FindSetting("Transform", "Image Rotation"), FindSetting("Watermark", "Image Rotation"));
    EXPECT_EQ(FindSetting("transform", "Image Rotation"), nullptr);
}

TEST(FormatRegistry, HoldsTheWholeTables) {
    BuildInputRegistry();
    BuildOutputRegistry();
    EXPECT_EQ(InputRegistry.size(), 79);
    EXPECT_EQ(OutputRegistry.size(), 23);
    const struct {
        const char* extension;
        const char* format;
        const char* description;
    } inputs[] = {
        {"png", "png", "Portable Network Graphics"}, {"jpeg", "jpg", ""},
        {"apm", "wmf", "Aldus Placeable Metafile"},  {"wmz", "wmf", ""},
        {"nef", "raw", "Nikon Camera RAW Image"},    {"nrw", "raw", ""},
        {"rwl", "raw", "Leica Camera RAW Image"},    {"tif", "tiff", ""},
    };
    for (const auto& c : inputs) {
        SCOPED_TRACE(c.extension);
        EXPECT_EQ(InputFormatOf(QString::fromLatin1(c.extension)), QString::fromLatin1(c.format));
        EXPECT_EQ(InputDescriptionOf(QString::fromLatin1(c.extension)), QString::fromLatin1(c.description));
    }
    const struct {
        const char* format;
        const char* depths;
        const char* description;
    } outputs[] = {
        {"psd", "32", "Adobe Photoshop"},
        {"bmp", "1,4,8,16,24,32", "Windows or OS/2 Bitmap"},
        {"jxr", "1,8,16,24,32,48,96", "JPEG XR Image Format"},
        {"pcx", "24", "ZSoft Paintbrush"},
        {"PSD", "", ""},
    };
    for (const auto& c : outputs) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(OutputBitDepths(QString::fromLatin1(c.format)), QString::fromLatin1(c.depths));
        EXPECT_EQ(OutputDescription(QString::fromLatin1(c.format)), QString::fromLatin1(c.description));
    }
}

TEST(FormatRegistry, InputExtensionListIsPngOnly) {
    BuildInputRegistry();
    EXPECT_EQ(BuildInputExtensionList(), QStringList{QStringLiteral("png")});
    EXPECT_EQ(InputFormatList(), QStringList{QStringLiteral("png")});
    EXPECT_EQ(OutputFormatList(), QStringList{QStringLiteral("psd")});
}
