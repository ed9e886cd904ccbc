#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>

#include "platform/desktop.h"
#include "settings/config_file.h"
#include "settings/settings.h"
#include "tests/unit/settings_snapshot.h"

namespace {

constexpr int32_t FixedDate = 1700000000;

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray CrLfLines(std::initializer_list<const char*> lines) {
    QByteArray bytes;
    for (const char* line : lines) bytes += QByteArray(line) + "\r\n";
    return bytes;
}

// Loads a file holding the given bytes; true when it was read.
bool LoadFromBytes(const QByteArray& bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    return WriteBytes(path, bytes) && LoadConfigFrom(path);
}

// Keys the writer leaves out for the format lists "png" and "psd", or never writes.
bool IsWritten(const SettingField& f) {
    const char* readOnly[] = {"Hide Passwords",     "Show Single Password",  "Show Password List",
                              "Show Character Set", "Show Advanced Options", "TxtFields",
                              "CsvDelimiter"};
    for (const char* key : readOnly)
        if (std::strcmp(f.key, key) == 0) return false;
    if (std::strcmp(f.group, "Input") == 0) return std::strcmp(f.key, "Format") == 0;
    if (std::strcmp(f.group, "Output") == 0)
        return std::strcmp(f.key, "Format") == 0 || std::strcmp(f.key, "PSD BPP") == 0;
    return true;
}

// A value for each field that no default has, derived from its place.
void SetDistinctValue(const SettingField& f, int index) {
    switch (f.type) {
        case SettingType::Flag:
        case SettingType::Code:
        case SettingType::Byte:
            *static_cast<int8_t*>(f.value) = static_cast<int8_t>(-100 + index);
            break;
        case SettingType::Int:
        case SettingType::Date:
            *static_cast<int32_t*>(f.value) = -1000 - index;
            break;
        case SettingType::Float:
            *static_cast<float*>(f.value) = 0.25f + float(index);
            break;
        case SettingType::Text:
            *static_cast<QString*>(f.value) = QStringLiteral("t\u00E9%1").arg(index);
            break;
    }
}

}  // namespace

TEST(SaveConfig, WritesTheDefaultsByteForByte) {
    LoadDefaultSettings(false);
    ConversionSettings.general.updateDate = FixedDate;
    ConversionSettings.advanced.customTimestamp = FixedDate;
    ConversionSettings.window.x = 705;
    ConversionSettings.window.y = 410;
    const QByteArray expected =
        "\xEF\xBB\xBF\r\n" + CrLfLines({"[General]",
                                        "CFG = 18",
                                        "Language = en",
                                        "Update Range = 2",
                                        "Update Date = 1700000000",
                                        "Save Window Position = 1",
                                        "; ",
                                        "[Window]",
                                        "IsMaximized = 0",
                                        "Width = 510",
                                        "Height = 260",
                                        "X = 705",
                                        "Y = 410",
                                        "; ",
                                        "[Interface]",
                                        "UI Theme = handdrawn",
                                        "UI Size = 2",
                                        "; ",
                                        "[Input]",
                                        "Format = png",
                                        "; ",
                                        "[Output]",
                                        "Format = psd",
                                        "PSD BPP = 0",
                                        "; ",
                                        "[Transform]",
                                        "Do Image Rotation = 0",
                                        "Image Rotation Type = 0",
                                        "Image Rotation = 0",
                                        "Image Rotation Back Color = 000000",
                                        "Do Image Resize = 0",
                                        "Image Width = 0",
                                        "Image Width Unit = 0",
                                        "Image Height = 0",
                                        "Image Height Unit = 0",
                                        "Keep Aspect Ratio = 1",
                                        "Image Resize Type = 0",
                                        "Image Resize Algorithm = 3",
                                        "Do Image Flip Horizontal = 0",
                                        "Do Image Flip Vertical = 0",
                                        "; ",
                                        "[Adjustment]",
                                        "Do Image Color Correction = 0",
                                        "Image Brightness = 0",
                                        "Image Contrast = 0",
                                        "Image Gamma = 1.000000",
                                        "Image Invert = 0",
                                        "Do Image Greyscale = 0",
                                        "Do Image Threshold = 0",
                                        "Image Threshold = 0",
                                        "; ",
                                        "[Frame]",
                                        "Do Frame = 0",
                                        "Solid Left = 0",
                                        "Solid Right = 0",
                                        "Solid Top = 0",
                                        "Solid Bottom = 0",
                                        "Solid Left Color = 000000",
                                        "Solid Right Color = 000000",
                                        "Solid Top Color = 000000",
                                        "Solid Bottom Color = 000000",
                                        "Solid Opacity = 255",
                                        "; ",
                                        "[Watermark]",
                                        "Do Watermark = 0",
                                        "Text = \xC2\xA9 2009-2026 Tolvane Software",
                                        "Fonts = Arial,Tahoma,Verdana",
                                        "Font = Arial",
                                        "Font Size = 14",
                                        "Font Leading = 0",
                                        "Font Colors = 000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF",
                                        "Font Color = FFFFFF",
                                        "Font Style = 0",
                                        "Font Effect = 0",
                                        "Text Antialiasing = 0",
                                        "Text Alignment = 0",
                                        "Text Padding = 0",
                                        "Text Opacity = 255",
                                        "Back Colors = 000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF",
                                        "Back Color = 000000",
                                        "Back Opacity = 1",
                                        "Text Boundary = 0",
                                        "Text Position = 8",
                                        "Text X Offset = 10",
                                        "Text Y Offset = 10",
                                        "Text Rotation = 0",
                                        "Text Size = 0",
                                        "Text Scale = 10",
                                        "Image = ",
                                        "Image Greyscale = 0",
                                        "Image Opacity = 255",
                                        "Image Boundary = 0",
                                        "Image Position = 8",
                                        "Image X Offset = 10",
                                        "Image Y Offset = 10",
                                        "Image Rotation = 0",
                                        "Image Size = 0",
                                        "Image Scale = 10",
                                        "; ",
                                        "[Advanced]",
                                        "Filename Mask = %filename%.%ext%",
                                        "File Timestamp = 0",
                                        "Custom Timestamp = 1700000000",
                                        "Out Folders History = 1",
                                        "Out Folders Number = 5",
                                        "Keep Subfolders = 1",
                                        "; ",
                                        "[File]",
                                        "Recent Out Folders = ",
                                        "Recent Files = ",
                                        "; ",
                                        "[Privacy]",
                                        "Clean Recent Files = 0",
                                        "; "});
    EXPECT_EQ(ConfigFileBytes(), expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(SaveConfigTo(path));
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(SaveConfig, WindowGroupIsEmptyWithoutSaveWindowPosition) {
    LoadDefaultSettings(false);
    ConversionSettings.general.saveWindowPosition = 0;
    const QByteArray bytes = ConfigFileBytes();
    EXPECT_TRUE(bytes.contains("Save Window Position = 0\r\n; \r\n[Window]\r\n; \r\n[Interface]\r\n"));
    EXPECT_FALSE(bytes.contains("IsMaximized"));
}

TEST(SaveConfig, WritesFixedVersionSignedBytesAndSixDecimals) {
    LoadDefaultSettings(false);
    ConversionSettings.general.cfg = 3;
    ConversionSettings.advanced.outFoldersNumber = static_cast<int8_t>(200);
    ConversionSettings.adjustment.imageGamma = 2.2f;
    const QByteArray bytes = ConfigFileBytes();
    EXPECT_TRUE(bytes.contains("\r\nCFG = 18\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nOut Folders Number = -56\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nImage Gamma = 2.200000\r\n"));
}

TEST(LoadConfig, EveryWrittenKeyRoundTrips) {
    LoadDefaultSettings(false);
    int count = 0;
    const SettingField* fields = SettingFields(&count);
    for (int i = 0; i < count; ++i) SetDistinctValue(fields[i], i);
    ConversionSettings.general.saveWindowPosition = 1;
    QStringList saved;
    for (int i = 0; i < count; ++i) saved << SettingText(fields[i]);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(SaveConfigTo(path));
    LoadDefaultSettings(true);
    QStringList defaults;
    LoadDefaultSettings(false);
    for (int i = 0; i < count; ++i) defaults << SettingText(fields[i]);
    LoadDefaultSettings(true);
    ASSERT_TRUE(LoadConfigFrom(path));

    for (int i = 0; i < count; ++i) {
        const SettingField& f = fields[i];
        SCOPED_TRACE(QStringLiteral("%1/%2").arg(QLatin1String(f.group), QLatin1String(f.key)).toStdString());
        if (std::strcmp(f.key, "CFG") == 0)
            EXPECT_EQ(SettingText(f), QStringLiteral("18"));
        else if (std::strcmp(f.key, "Update Date") == 0 || std::strcmp(f.key, "Custom Timestamp") == 0 || IsWritten(f))
            EXPECT_EQ(SettingText(f), saved[i]);
        else
            EXPECT_EQ(SettingText(f), defaults[i]);  // not in the file: the default
    }
}

TEST(LoadConfig, TextsLoseSurroundingBlanks) {
    LoadDefaultSettings(false);
    ConversionSettings.watermark.text = QStringLiteral(" \tpadded text \t");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(SaveConfigTo(path));
    ASSERT_TRUE(LoadConfigFrom(path));
    EXPECT_EQ(ConversionSettings.watermark.text, QStringLiteral("padded text"));
}

TEST(LoadConfig, MissingKeysAndMissingFile) {
    RegisterPrimaryDesktopSize({1920, 1080});

    // An empty file is read: the loader defaults apply.
    EXPECT_TRUE(LoadFromBytes(QByteArray()));
    EXPECT_EQ(ConversionSettings.general.cfg, 0);
    EXPECT_EQ(ConversionSettings.window.x, 100);
    EXPECT_EQ(ConversionSettings.window.y, 100);
    EXPECT_EQ(ConversionSettings.window.width, 510);
    EXPECT_EQ(ConversionSettings.input.format, QStringLiteral("png"));
    EXPECT_EQ(ConversionSettings.output.format, QStringLiteral("psd"));
    EXPECT_EQ(ConversionSettings.transform.keepAspectRatio, 1);
    EXPECT_EQ(ConversionSettings.watermark.textPosition, 8);
    EXPECT_EQ(ConversionSettings.advanced.filenameMask, QStringLiteral("%filename%.%ext%"));

    // A file that cannot be opened: the window defaults, with the centred window.
    LoadDefaultSettings(true);
    QTemporaryDir dir;
    EXPECT_FALSE(LoadConfigFrom(dir.filePath(QStringLiteral("none.ini"))));
    EXPECT_EQ(ConversionSettings.general.cfg, 18);
    EXPECT_EQ(ConversionSettings.window.x, 705);
    EXPECT_EQ(ConversionSettings.window.y, 410);
    EXPECT_EQ(ConversionSettings.transform.keepAspectRatio, 1);

    RegisterPrimaryDesktopSize({0, 0});
}

TEST(LoadConfig, ReadsKeysInAnyCaseAndLatin1) {
    ASSERT_TRUE(
        LoadFromBytes("[transform]\r\nimage width = 77\r\n"
                      "[WATERMARK]\r\nTEXT = caf\xE9\r\n"
                      "[Output]\r\npng bpp = 24\r\nFormat = png\r\n"));
    EXPECT_EQ(ConversionSettings.transform.imageWidth, 77);
    EXPECT_EQ(ConversionSettings.watermark.text, QStringLiteral("caf\u00E9"));
    // Every output key is read, whatever the format lists hold.
    EXPECT_EQ(ConversionSettings.output.pngBpp, 24);
    EXPECT_EQ(ConversionSettings.output.format, QStringLiteral("png"));
}

TEST(LoadConfig, ReadOnlyKeysAreReadButNotWritten) {
    ASSERT_TRUE(
        LoadFromBytes("\xEF\xBB\xBF\r\n[Window]\r\nHide Passwords = 1\r\nShow Advanced Options = 0\r\n"
                      "[File]\r\nTxtFields = a,b\r\n[Input]\r\nDDS Load As = 2\r\n"));
    EXPECT_EQ(ConversionSettings.window.hidePasswords, 1);
    EXPECT_EQ(ConversionSettings.window.showAdvancedOptions, 0);
    EXPECT_EQ(ConversionSettings.file.txtFields, QStringLiteral("a,b"));
    EXPECT_EQ(ConversionSettings.input.ddsLoadAs, 2);
    const QByteArray bytes = ConfigFileBytes();
    for (const char* key : {"Hide Passwords", "Show Advanced Options", "TxtFields", "CsvDelimiter", "DDS Load As"}) {
        SCOPED_TRACE(key);
        EXPECT_FALSE(bytes.contains(key));
    }
}

TEST(LoadConfig, UpgradesOlderVersions) {
    const struct {
        const char* cfg;  // the CFG line, empty for none
        const char* mask;
        int rawLoadAs;
        const char* expectedMask;
        int expectedRaw;
    } cases[] = {
        {"CFG = 10", "%filename%", 1, "%filename%.%ext%", 3},
        {"CFG = 10", "%filename%.%ext%", 0, "%filename%.%ext%", 0},
        {"CFG = 10", "x_%EXT%", 0, "x_%EXT%.%ext%", 0},  // the test is case-sensitive
        {"CFG = 11", "%filename%", 1, "%filename%", 3},
        {"CFG = 13", "%filename%", 5, "%filename%", 7},
        {"CFG = 14", "%filename%", 1, "%filename%", 1},
        {"CFG = 18", "a", 1, "a", 1},
        {"", "a", 2, "a.%ext%", 4},  // a file without CFG counts as version 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("%1 %2 %3").arg(QLatin1String(c.cfg), QLatin1String(c.mask)).arg(c.rawLoadAs).toStdString());
        const QByteArray bytes = "[General]\r\n" + QByteArray(c.cfg) +
                                 "\r\n[Input]\r\nRAW Load As = " + QByteArray::number(c.rawLoadAs) +
                                 "\r\n[Advanced]\r\nFilename Mask = " + c.mask + "\r\n";
        ASSERT_TRUE(LoadFromBytes(bytes));
        EXPECT_EQ(ConversionSettings.advanced.filenameMask, QLatin1String(c.expectedMask));
        EXPECT_EQ(ConversionSettings.input.rawLoadAs, c.expectedRaw);
    }
}

TEST(LoadConfig, DelimiterWordsBecomeCharacters) {
    const struct {
        const char* value;
        const char* delimiter;
    } cases[] = {
        {"tab", "\t"}, {"TAB", "\t"}, {"Space", " "}, {"crlf", "\r\n"}, {";", ";"}, {"tabs", "tabs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        ASSERT_TRUE(LoadFromBytes("[File]\r\nCsvDelimiter = " + QByteArray(c.value) + "\r\n"));
        EXPECT_EQ(ConversionSettings.file.csvDelimiter, QLatin1String(c.delimiter));
    }
}

TEST(SaveConfig, FailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    LoadDefaultSettings(false);
    const QString missingFolder = dir.filePath(QStringLiteral("gone/config.ini"));
    EXPECT_FALSE(SaveConfigTo(missingFolder));
    EXPECT_FALSE(QFileInfo::exists(missingFolder));

    // An old file is replaced only by a complete new one.
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(WriteBytes(path, "[General]\r\nLanguage = old\r\n"));
    ConversionSettings.general.language = QStringLiteral("new");
    ASSERT_TRUE(SaveConfigTo(path));
    EXPECT_EQ(ReadBytes(path), ConfigFileBytes());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("config.ini")});
}

TEST(ConfigFilePath, LivesInTheMakerFolderOfTheUserConfigFolder) {
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    const bool hadOld = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());

    const QString path = ConfigFilePath();
    EXPECT_EQ(path, dir.path() + QStringLiteral("/Tolvane/rastoc/config.ini"));
    EXPECT_TRUE(QFileInfo(dir.path() + QStringLiteral("/Tolvane/rastoc")).isDir());

    LoadDefaultSettings(false);
    ConversionSettings.transform.imageWidth = 321;
    SaveConfig();
    LoadDefaultSettings(false);
    LoadConfig();
    EXPECT_EQ(ConversionSettings.transform.imageWidth, 321);

    if (hadOld)
        qputenv("XDG_CONFIG_HOME", old);
    else
        qunsetenv("XDG_CONFIG_HOME");
}
