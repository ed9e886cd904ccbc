#include "settings/config_file.h"

#include "platform/app_data_folder.h"
#include "settings/formats.h"
#include "settings/ini.h"
#include "settings/product.h"
#include "settings/settings.h"

namespace {

// The configuration-layout version this program writes.
constexpr int32_t CurrentConfigVersion = 18;

// Keys written after "Format" for each format of a format list.
struct FormatKeys {
    const char* format;
    const char* keys[5];
};
const FormatKeys inputFormatKeys[] = {
    {"dds", {"DDS Load As"}},
    {"gif", {"GIF Frame Loading"}},
    {"ico", {"ICO Frame Loading"}},
    {"psd", {"PSD Color Model"}},
    {"raw", {"RAW Load As", "RAW Header Size", "RAW Image Width", "RAW Image Height", "RAW Tone Mapping"}},
    {"tiff", {"TIFF Frame Loading"}},
};
const FormatKeys outputFormatKeys[] = {
    {"bmp", {"BMP BPP", "BMP Compression", "BMP Color Table"}},
    {"dds", {"DDS BPP"}},
    {"exr", {"EXR BPP", "EXR Compression"}},
    {"gif", {"GIF BPP"}},
    {"hdr", {"HDR BPP"}},
    {"ico", {"ICO BPP"}},
    {"j2k", {"J2K BPP"}},
    {"jng", {"JNG BPP"}},
    {"jp2", {"JP2 BPP"}},
    {"jpg", {"JPG BPP", "JPG Quality", "JPG Chroma", "JPG Save As"}},
    {"jxr", {"JXR BPP"}},
    {"pbm", {"PBM BPP"}},
    {"pcx", {"PCX BPP"}},
    {"pfm", {"PFM BPP"}},
    {"pgm", {"PGM BPP"}},
    {"png", {"PNG BPP", "PNG Compression", "PNG Interlaced"}},
    {"ppm", {"PPM BPP"}},
    {"psd", {"PSD BPP"}},
    {"tga", {"TGA BPP", "TGA Compression"}},
    {"tiff", {"TIFF BPP", "TIFF Compression", "TIFF Color Model"}},
    {"wbmp", {"WBMP BPP"}},
    {"webp", {"WEBP BPP", "WEBP Quality"}},
    {"xpm", {"XPM BPP"}},
};

// Groups and their keys in the order the writer puts them; "Input" and
// "Output" add their per-format keys after "Format".
struct GroupKeys {
    const char* group;
    const char* keys[34];
};
const GroupKeys writtenGroups[] = {
    {"General", {"CFG", "Language", "Update Range", "Update Date", "Save Window Position"}},
    {"Window", {"IsMaximized", "Width", "Height", "X", "Y"}},
    {"Interface", {"UI Theme", "UI Size"}},
    {"Input", {"Format"}},
    {"Output", {"Format"}},
    {"Transform",
     {"Do Image Rotation", "Image Rotation Type", "Image Rotation", "Image Rotation Back Color", "Do Image Resize",
      "Image Width", "Image Width Unit", "Image Height", "Image Height Unit", "Keep Aspect Ratio", "Image Resize Type",
      "Image Resize Algorithm", "Do Image Flip Horizontal", "Do Image Flip Vertical"}},
    {"Adjustment",
     {"Do Image Color Correction", "Image Brightness", "Image Contrast", "Image Gamma", "Image Invert",
      "Do Image Greyscale", "Do Image Threshold", "Image Threshold"}},
    {"Frame",
     {"Do Frame", "Solid Left", "Solid Right", "Solid Top", "Solid Bottom", "Solid Left Color", "Solid Right Color",
      "Solid Top Color", "Solid Bottom Color", "Solid Opacity"}},
    {"Watermark", {"Do Watermark",      "Text",           "Fonts",          "Font",           "Font Size",
                   "Font Leading",      "Font Colors",    "Font Color",     "Font Style",     "Font Effect",
                   "Text Antialiasing", "Text Alignment", "Text Padding",   "Text Opacity",   "Back Colors",
                   "Back Color",        "Back Opacity",   "Text Boundary",  "Text Position",  "Text X Offset",
                   "Text Y Offset",     "Text Rotation",  "Text Size",      "Text Scale",     "Image",
                   "Image Greyscale",   "Image Opacity",  "Image Boundary", "Image Position", "Image X Offset",
                   "Image Y Offset",    "Image Rotation", "Image Size",     "Image Scale"}},
    {"Advanced",
     {"Filename Mask", "File Timestamp", "Custom Timestamp", "Out Folders History", "Out Folders Number",
      "Keep Subfolders"}},
    {"File", {"Recent Out Folders", "Recent Files"}},
    {"Privacy", {"Clean Recent Files"}},
};

void ReadField(const IniDocument& d, const SettingField& f) {
    const QString group = QLatin1String(f.group);
    const QString key = QLatin1String(f.key);
    switch (f.type) {
        case SettingType::Flag:
        case SettingType::Code:
        case SettingType::Byte: {
            auto* v = static_cast<int8_t*>(f.value);
            *v = IniReadByte(d, group, key, *v);
            break;
        }
        case SettingType::Int:
        case SettingType::Date: {
            auto* v = static_cast<int32_t*>(f.value);
            *v = IniReadInt(d, group, key, *v);
            break;
        }
        case SettingType::Float: {
            auto* v = static_cast<float*>(f.value);
            *v = IniReadFloat(d, group, key, *v);
            break;
        }
        case SettingType::Text: {
            auto* v = static_cast<QString*>(f.value);
            *v = IniReadText(d, group, key, *v);
            break;
        }
    }
}

void WriteField(IniWriter* w, const SettingField& f) {
    const QString key = QLatin1String(f.key);
    switch (f.type) {
        case SettingType::Flag:
        case SettingType::Code:
        case SettingType::Byte:
            IniWriteByte(w, key, *static_cast<const int8_t*>(f.value));
            break;
        case SettingType::Int:
        case SettingType::Date:
            IniWriteInt(w, key, *static_cast<const int32_t*>(f.value));
            break;
        case SettingType::Float:
            IniWriteFloat(w, key, *static_cast<const float*>(f.value));
            break;
        case SettingType::Text:
            IniWriteText(w, key, *static_cast<const QString*>(f.value));
            break;
    }
}

void WriteKeyOf(IniWriter* w, const char* group, const char* key) {
    if (const SettingField* f = FindSetting(group, key)) WriteField(w, *f);
}

template <size_t N>
void WriteFormatKeys(IniWriter* w, const char* group, const FormatKeys (&table)[N], const QStringList& formats) {
    for (const QString& format : formats)
        for (const FormatKeys& row : table)
            if (format == QLatin1String(row.format))
                for (const char* key : row.keys)
                    if (key) WriteKeyOf(w, group, key);
}

void ApplyUpgrades() {
    ConversionSettingsRecord& s = ConversionSettings;
    if (s.general.cfg < 11 && !s.advanced.filenameMask.contains(QLatin1String("%ext%")))
        s.advanced.filenameMask += QLatin1String(".%ext%");
    if (s.general.cfg < 14 && s.input.rawLoadAs != 0) s.input.rawLoadAs += 2;
}

void ApplyDelimiterWords() {
    QString& delimiter = ConversionSettings.file.csvDelimiter;
    const QString word = delimiter.toLower();
    if (word == QLatin1String("tab"))
        delimiter = QStringLiteral("\t");
    else if (word == QLatin1String("space"))
        delimiter = QStringLiteral(" ");
    else if (word == QLatin1String("crlf"))
        delimiter = QStringLiteral("\r\n");
}

}  // namespace

QString ConfigFilePath() {
    return AppDataFolder(QString::fromUtf8(MakerWord), QString::fromUtf8(ShortName)) + QStringLiteral("config.ini");
}

bool LoadConfigFrom(const QString& path) {
    IniDocument document;
    const bool opened = ReadIniFile(path, &document);
    LoadDefaultSettings(false);
    if (opened) {
        // A key the file lacks keeps its default, except for these loader defaults.
        ConversionSettings.general.cfg = 0;
        ConversionSettings.window.x = 100;
        ConversionSettings.window.y = 100;
        ConversionSettings.input.format = InputFormatList().value(0);
        ConversionSettings.output.format = OutputFormatList().value(0);
        int count = 0;
        const SettingField* fields = SettingFields(&count);
        for (int i = 0; i < count; ++i) ReadField(document, fields[i]);
    }
    ApplyUpgrades();
    ApplyDelimiterWords();
    return opened;
}

QByteArray ConfigFileBytes() {
    IniWriter w;
    IniBegin(&w);
    for (const GroupKeys& g : writtenGroups) {
        const QString group = QLatin1String(g.group);
        IniWriteGroup(&w, group);
        const bool skipKeys = group == QLatin1String("Window") && !ConversionSettings.general.saveWindowPosition;
        for (const char* key : g.keys) {
            if (!key || skipKeys) break;
            if (group == QLatin1String("General") && QLatin1String(key) == QLatin1String("CFG"))
                IniWriteInt(&w, QLatin1String(key), CurrentConfigVersion);
            else
                WriteKeyOf(&w, g.group, key);
        }
        if (group == QLatin1String("Input")) WriteFormatKeys(&w, g.group, inputFormatKeys, InputFormatList());
        if (group == QLatin1String("Output")) WriteFormatKeys(&w, g.group, outputFormatKeys, OutputFormatList());
        IniWriteComment(&w);
    }
    return w.bytes;
}

bool SaveConfigTo(const QString& path) {
    IniWriter w;
    w.bytes = ConfigFileBytes();
    return IniSaveFile(w, path);
}

void LoadConfig() {
    LoadConfigFrom(ConfigFilePath());
}

void SaveConfig() {
    SaveConfigTo(ConfigFilePath());
}
