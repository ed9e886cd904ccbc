#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/long_options.h"
#include "app/profile.h"
#include "settings/settings.h"
#include "tests/unit/settings_snapshot.h"

namespace {

// Writes a profile into the folder and returns its path.
QString WriteProfile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("profile.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QString();
    return path;
}

}  // namespace

TEST(ApplyProfile, AppliesTheKeysOfGroupCli) {
    const struct {
        const char* name;
        QByteArray file;
        void (*check)();
    } cases[] = {
        {"flag with value 0 still turns on", "[CLI]\r\n--flip-horizontal=0\r\n",
         [] { EXPECT_EQ(ConversionSettings.transform.doImageFlipHorizontal, 1); }},
        {"flag line without =", "[CLI]\r\n--invert\r\n",
         [] {
             EXPECT_EQ(ConversionSettings.adjustment.imageInvert, 1);
             EXPECT_EQ(ConversionSettings.adjustment.doImageColorCorrection, 1);
         }},
        {"names and group in any case", "[cli]\r\n--Jpg-Quality = 80\r\n",
         [] { EXPECT_EQ(ConversionSettings.output.jpgQuality, 80); }},
        {"values lose surrounding blanks", "[CLI]\r\n--wm-font = \t Tahoma \t\r\n--resize-algorithm = lanczos\r\n",
         [] {
             EXPECT_EQ(ConversionSettings.watermark.font, QStringLiteral("Tahoma"));
             EXPECT_EQ(ConversionSettings.transform.imageResizeAlgorithm, 5);
         }},
        {"texts keep their quotes", "[CLI]\r\n--wm-text=\"Hi there\"\r\n",
         [] {
             EXPECT_EQ(ConversionSettings.watermark.text, QStringLiteral("\"Hi there\""));
             EXPECT_EQ(ConversionSettings.watermark.doWatermark, 1);
         }},
        {"the mask loses its quotes", "[CLI]\r\n--filename-mask=\"\"%filename%.%ext%\"\r\n",
         [] { EXPECT_EQ(ConversionSettings.advanced.filenameMask, QStringLiteral("%filename%.%ext%")); }},
        {"later keys win", "[CLI]\r\n--width=100\r\n--WIDTH=200\r\n",
         [] { EXPECT_EQ(ConversionSettings.transform.imageWidth, 200); }},
        {"empty values store 0 or empty text", "[CLI]\r\n--jpg-quality=\r\n--wm-font=\r\n--gamma=\r\n",
         [] {
             EXPECT_EQ(ConversionSettings.output.jpgQuality, 0);
             EXPECT_EQ(ConversionSettings.watermark.font, QString());
             EXPECT_EQ(ConversionSettings.adjustment.imageGamma, 0.0f);
         }},
        {"opacity by its profile name", "[CLI]\r\n--fr-solid-opacity=10\r\n--wm-solid-opacity=20\r\n",
         [] { EXPECT_EQ(ConversionSettings.frame.solidOpacity, 20); }},
        {"other groups are not read", "[Other]\r\n--width=50\r\n[CLI]\r\n--height=60\r\n[More]\r\n--width=70\r\n",
         [] {
             EXPECT_EQ(ConversionSettings.transform.imageWidth, 0);
             EXPECT_EQ(ConversionSettings.transform.imageHeight, 60);
         }},
        {"utf-8 after the byte-order mark", "\xEF\xBB\xBF\r\n[CLI]\r\n--wm-text=\xE2\x82\xAC\r\n",
         [] { EXPECT_EQ(ConversionSettings.watermark.text, QStringLiteral("\u20AC")); }},
        {"latin-1 without it", "[CLI]\r\n--wm-text=caf\xE9\r\n",
         [] { EXPECT_EQ(ConversionSettings.watermark.text, QStringLiteral("caf\u00E9")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = WriteProfile(dir, c.file);
        LoadDefaultSettings(true);
        EXPECT_TRUE(ApplyProfile(path));
        c.check();
    }
}

TEST(ApplyProfile, IgnoresKeysThatAreNoProfileOption) {
    QTemporaryDir dir;
    // "--profile" naming a missing file would fail if it were followed.
    const QString path = WriteProfile(dir,
                                      "[CLI]\r\n--input=a.png\r\n--output=out\r\n--conversion=psd\r\n"
                                      "--profile=missing.ini\r\n--debug\r\n--quiet\r\n--pause\r\n"
                                      "--fr-solid-opacity=5\r\nwidth=5\r\n-w=5\r\n--no-such=1\r\n");
    LoadDefaultSettings(true);
    const auto before = SettingsSnapshot();
    EXPECT_TRUE(ApplyProfile(path));
    EXPECT_EQ(SettingsChangedSince(before), QStringList());
}

TEST(ApplyProfile, FilesThatCannotBeAppliedAndFilesWithNothingToApply) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QString path;
        bool ok;
    } cases[] = {
        {"no group CLI", WriteProfile(dir, "[General]\r\n--width=5\r\n"), true},
        {"empty file", dir.filePath(QStringLiteral("empty.ini")), true},
        {"missing file", dir.filePath(QStringLiteral("none.ini")), false},
        {"empty name", QString(), false},
    };
    QFile empty(dir.filePath(QStringLiteral("empty.ini")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadDefaultSettings(true);
        EXPECT_EQ(ApplyProfile(c.path), c.ok);
        EXPECT_EQ(ConversionSettings.transform.imageWidth, 0);
    }
}

TEST(ApplyProfile, TakesEffectAtItsPlaceAmongTheOptions) {
    QTemporaryDir dir;
    const QString path = WriteProfile(dir, "[CLI]\r\n--width=111\r\n");
    const struct {
        const char* name;
        bool optionFirst;
        int width;
    } cases[] = {{"option, then profile", true, 111}, {"profile, then option", false, 300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadDefaultSettings(true);
        if (c.optionFirst) ApplyLongOption(QStringLiteral("--WIDTH"), QStringLiteral("300"), OptionSource::CommandLine);
        EXPECT_EQ(ApplyLongOption(QStringLiteral("--PROFILE"), path, OptionSource::CommandLine), OptionResult::Applied);
        if (!c.optionFirst)
            ApplyLongOption(QStringLiteral("--WIDTH"), QStringLiteral("300"), OptionSource::CommandLine);
        EXPECT_EQ(ConversionSettings.transform.imageWidth, c.width);
    }
}
