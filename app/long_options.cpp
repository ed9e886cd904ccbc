#include "app/long_options.h"

#include <cmath>
#include <limits>

#include "app/profile.h"
#include "settings/ini.h"
#include "settings/keywords.h"
#include "settings/settings.h"

namespace {

enum class ValueKind { Number, Decimal, Word, Text, Flag };

// Which sources know a name.
enum Sources { Both = 3, CommandLineOnly = 1, ProfileOnly = 2 };

struct OptionRow {
    const char* name;
    ValueKind kind;
    const char* group;
    const char* key;
    KeywordTable table;   // for words
    int8_t flagValue;     // what a flag stores
    const char* alsoKey;  // a switch of the same group that the option turns on
    int8_t alsoValue;
    Sources sources;
};

constexpr KeywordTable NoTable = KeywordTable::DdsLoading;

constexpr OptionRow Number(const char* name, const char* group, const char* key, const char* alsoKey = nullptr,
                           int8_t alsoValue = 1, Sources sources = Both) {
    return {name, ValueKind::Number, group, key, NoTable, 0, alsoKey, alsoValue, sources};
}
constexpr OptionRow Word(const char* name, const char* group, const char* key, KeywordTable table) {
    return {name, ValueKind::Word, group, key, table, 0, nullptr, 0, Both};
}
constexpr OptionRow Text(const char* name, const char* group, const char* key, const char* alsoKey = nullptr,
                         int8_t alsoValue = 1) {
    return {name, ValueKind::Text, group, key, NoTable, 0, alsoKey, alsoValue, Both};
}
constexpr OptionRow Flag(const char* name, const char* group, const char* key, int8_t value = 1,
                         const char* alsoKey = nullptr) {
    return {name, ValueKind::Flag, group, key, NoTable, value, alsoKey, 1, Both};
}

const OptionRow options[] = {
    // Input
    Word("--DDS-LOAD-AS", "Input", "DDS Load As", KeywordTable::DdsLoading),
    Word("--GIF-FRAME-LOADING", "Input", "GIF Frame Loading", KeywordTable::FrameChoice),
    Word("--ICO-FRAME-LOADING", "Input", "ICO Frame Loading", KeywordTable::FrameChoice),
    Word("--TIFF-FRAME-LOADING", "Input", "TIFF Frame Loading", KeywordTable::FrameChoice),
    Word("--PSD-COLOR-MODEL", "Input", "PSD Color Model", KeywordTable::ColorModel),
    Word("--RAW-LOAD-AS", "Input", "RAW Load As", KeywordTable::RawLoading),
    Number("--RAW-HEADER-SIZE", "Input", "RAW Header Size"),
    Number("--RAW-WIDTH", "Input", "RAW Image Width"),
    Number("--RAW-HEIGHT", "Input", "RAW Image Height"),
    Word("--RAW-TONE-MAPPING", "Input", "RAW Tone Mapping", KeywordTable::ToneMapping),
    // Output; the colour-depth options follow their own rule below.
    Word("--BMP-COMPRESSION", "Output", "BMP Compression", KeywordTable::Compression),
    Word("--BMP-COLOR-TABLE", "Output", "BMP Color Table", KeywordTable::ColorTable),
    Word("--EXR-COMPRESSION", "Output", "EXR Compression", KeywordTable::Compression),
    Number("--JPG-QUALITY", "Output", "JPG Quality"),
    Word("--JPG-CHROMA", "Output", "JPG Chroma", KeywordTable::Chroma),
    Word("--JPG-SAVE-AS", "Output", "JPG Save As", KeywordTable::JpegKind),
    Word("--PNG-COMPRESSION", "Output", "PNG Compression", KeywordTable::Compression),
    Flag("--PNG-INTERLACED", "Output", "PNG Interlaced"),
    Word("--TGA-COMPRESSION", "Output", "TGA Compression", KeywordTable::Compression),
    Word("--TIFF-COMPRESSION", "Output", "TIFF Compression", KeywordTable::Compression),
    Word("--TIFF-COLOR-MODEL", "Output", "TIFF Color Model", KeywordTable::ColorModel),
    Number("--WEBP-QUALITY", "Output", "WEBP Quality"),
    // Transform
    Number("--ROTATION", "Transform", "Image Rotation", "Do Image Rotation"),
    Word("--ROTATION-TYPE", "Transform", "Image Rotation Type", KeywordTable::RotationType),
    Text("--ROTATION-BACK-COLOR", "Transform", "Image Rotation Back Color"),
    Number("--WIDTH", "Transform", "Image Width", "Do Image Resize"),
    Word("--WIDTH-UNIT", "Transform", "Image Width Unit", KeywordTable::Unit),
    Number("--HEIGHT", "Transform", "Image Height", "Do Image Resize"),
    Word("--HEIGHT-UNIT", "Transform", "Image Height Unit", KeywordTable::Unit),
    Flag("--KEEP-ASPECT-RATIO", "Transform", "Keep Aspect Ratio"),
    Word("--RESIZE-TYPE", "Transform", "Image Resize Type", KeywordTable::ResizeType),
    Word("--RESIZE-ALGORITHM", "Transform", "Image Resize Algorithm", KeywordTable::ResizeAlgorithm),
    Flag("--FLIP-HORIZONTAL", "Transform", "Do Image Flip Horizontal"),
    Flag("--FLIP-VERTICAL", "Transform", "Do Image Flip Vertical"),
    // Adjustment
    Number("--BRIGHTNESS", "Adjustment", "Image Brightness", "Do Image Color Correction"),
    Number("--CONTRAST", "Adjustment", "Image Contrast", "Do Image Color Correction"),
    {"--GAMMA", ValueKind::Decimal, "Adjustment", "Image Gamma", NoTable, 0, "Do Image Color Correction", 1, Both},
    Flag("--INVERT", "Adjustment", "Image Invert", 1, "Do Image Color Correction"),
    Flag("--GREYSCALE", "Adjustment", "Do Image Greyscale"),
    Number("--THRESHOLD", "Adjustment", "Image Threshold", "Do Image Threshold"),
    // Frame
    Number("--FR-SOLID-LEFT", "Frame", "Solid Left", "Do Frame"),
    Number("--FR-SOLID-RIGHT", "Frame", "Solid Right", "Do Frame"),
    Number("--FR-SOLID-TOP", "Frame", "Solid Top", "Do Frame"),
    Number("--FR-SOLID-BOTTOM", "Frame", "Solid Bottom", "Do Frame"),
    Text("--FR-SOLID-LEFT-COLOR", "Frame", "Solid Left Color"),
    Text("--FR-SOLID-RIGHT-COLOR", "Frame", "Solid Right Color"),
    Text("--FR-SOLID-TOP-COLOR", "Frame", "Solid Top Color"),
    Text("--FR-SOLID-BOTTOM-COLOR", "Frame", "Solid Bottom Color"),
    // The profile has always called this one by its watermark-style name.
    Number("--FR-SOLID-OPACITY", "Frame", "Solid Opacity", nullptr, 1, CommandLineOnly),
    Number("--WM-SOLID-OPACITY", "Frame", "Solid Opacity", nullptr, 1, ProfileOnly),
    // Watermark; whichever of text and image comes last decides the kind.
    Text("--WM-TEXT", "Watermark", "Text", "Do Watermark", 1),
    Text("--WM-FONT", "Watermark", "Font"),
    Number("--WM-FONT-SIZE", "Watermark", "Font Size"),
    Number("--WM-FONT-LEADING", "Watermark", "Font Leading"),
    Text("--WM-FONT-COLOR", "Watermark", "Font Color"),
    Word("--WM-FONT-STYLE", "Watermark", "Font Style", KeywordTable::FontStyle),
    Word("--WM-FONT-EFFECT", "Watermark", "Font Effect", KeywordTable::FontEffect),
    Flag("--WM-TEXT-ANTIALIASING", "Watermark", "Text Antialiasing"),
    Word("--WM-TEXT-ALIGNMENT", "Watermark", "Text Alignment", KeywordTable::Alignment),
    Number("--WM-TEXT-PADDING", "Watermark", "Text Padding"),
    Number("--WM-TEXT-OPACITY", "Watermark", "Text Opacity"),
    Text("--WM-BACK-COLOR", "Watermark", "Back Color"),
    Number("--WM-BACK-OPACITY", "Watermark", "Back Opacity"),
    Word("--WM-TEXT-BOUNDARY", "Watermark", "Text Boundary", KeywordTable::Boundary),
    Word("--WM-TEXT-POSITION", "Watermark", "Text Position", KeywordTable::Position),
    Number("--WM-TEXT-X-OFFSET", "Watermark", "Text X Offset"),
    Number("--WM-TEXT-Y-OFFSET", "Watermark", "Text Y Offset"),
    Number("--WM-TEXT-ROTATION", "Watermark", "Text Rotation"),
    Word("--WM-TEXT-SIZE", "Watermark", "Text Size", KeywordTable::SizeMode),
    Text("--WM-IMAGE", "Watermark", "Image", "Do Watermark", 2),
    Flag("--WM-IMAGE-GREYSCALE", "Watermark", "Image Greyscale"),
    Number("--WM-IMAGE-OPACITY", "Watermark", "Image Opacity"),
    Word("--WM-IMAGE-BOUNDARY", "Watermark", "Image Boundary", KeywordTable::Boundary),
    Word("--WM-IMAGE-POSITION", "Watermark", "Image Position", KeywordTable::Position),
    Number("--WM-IMAGE-X-OFFSET", "Watermark", "Image X Offset"),
    Number("--WM-IMAGE-Y-OFFSET", "Watermark", "Image Y Offset"),
    Number("--WM-IMAGE-ROTATION", "Watermark", "Image Rotation"),
    Word("--WM-IMAGE-SIZE", "Watermark", "Image Size", KeywordTable::SizeMode),
    // Advanced
    Text("--FILENAME-MASK", "Advanced", "Filename Mask"),
    Word("--FILE-TIMESTAMP", "Advanced", "File Timestamp", KeywordTable::Timestamp),
    Number("--FILE-TIMESTAMP-CUSTOM", "Advanced", "Custom Timestamp"),
    Flag("--NO-SUBFOLDERS", "Advanced", "Keep Subfolders", 0),
};

// The output formats with a colour-depth option "--<FORMAT>-BPP" for the setting "<FORMAT> BPP".
const char* const depthFormats[] = {"BMP", "DDS", "EXR", "GIF",  "HDR",  "ICO",  "J2K", "JNG",
                                    "JP2", "JPG", "JXR", "PBM",  "PCX",  "PFM",  "PGM", "PNG",
                                    "PPM", "PSD", "TGA", "TIFF", "WBMP", "WEBP", "XPM"};

const QLatin1String ProfileOption("--PROFILE");

bool Accepts(Sources sources, OptionSource source) {
    return sources & (source == OptionSource::CommandLine ? CommandLineOnly : ProfileOnly);
}

const OptionRow* FindOption(const QString& upperName, OptionSource source) {
    for (const OptionRow& row : options)
        if (upperName == QLatin1String(row.name) && Accepts(row.sources, source)) return &row;
    return nullptr;
}

// The setting "<FORMAT> BPP" for a name "--<FORMAT>-BPP", or nullptr.
const SettingField* DepthSetting(const QString& upperName) {
    for (const char* format : depthFormats)
        if (upperName == QStringLiteral("--%1-BPP").arg(QLatin1String(format)))
            return FindSetting("Output", QByteArray(format).append(" BPP").constData());
    return nullptr;
}

// Stores a reading into a field of any width; 8-bit fields keep the low 8 bits.
void StoreNumber(const SettingField& field, int32_t number) {
    switch (field.type) {
        case SettingType::Flag:
        case SettingType::Code:
        case SettingType::Byte:
            *static_cast<int8_t*>(field.value) = static_cast<int8_t>(static_cast<uint8_t>(number & 0xFF));
            break;
        case SettingType::Int:
        case SettingType::Date:
            *static_cast<int32_t*>(field.value) = number;
            break;
        case SettingType::Float:
            *static_cast<float*>(field.value) = static_cast<float>(number);
            break;
        case SettingType::Text:
            break;
    }
}

void ApplyRow(const OptionRow& row, const QString& value) {
    const SettingField* field = FindSetting(row.group, row.key);
    if (!field) return;
    switch (row.kind) {
        case ValueKind::Number:
            StoreNumber(*field, ReadOptionNumber(value));
            break;
        case ValueKind::Decimal:
            if (field->type == SettingType::Float) *static_cast<float*>(field->value) = ReadOptionDecimal(value);
            break;
        case ValueKind::Word:
            StoreNumber(*field, KeywordValue(row.table, value));
            break;
        case ValueKind::Text:
            if (field->type == SettingType::Text) *static_cast<QString*>(field->value) = value;
            break;
        case ValueKind::Flag:
            StoreNumber(*field, row.flagValue);
            break;
    }
    if (row.alsoKey)
        if (const SettingField* also = FindSetting(row.group, row.alsoKey)) StoreNumber(*also, row.alsoValue);
}

int DigitValue(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return 99;
}

}  // namespace

OptionKind LongOptionKind(const QString& upperName, OptionSource source) {
    if (source == OptionSource::CommandLine && upperName == ProfileOption) return OptionKind::Valued;
    if (DepthSetting(upperName)) return OptionKind::Valued;
    const OptionRow* row = FindOption(upperName, source);
    if (!row) return OptionKind::NotAnOption;
    return row->kind == ValueKind::Flag ? OptionKind::Flag : OptionKind::Valued;
}

OptionResult ApplyLongOption(const QString& upperName, const QString& value, OptionSource source) {
    if (source == OptionSource::CommandLine && upperName == ProfileOption)
        return ApplyProfile(value) ? OptionResult::Applied : OptionResult::BadProfile;
    if (const SettingField* depth = DepthSetting(upperName)) {
        StoreNumber(*depth, ReadOptionNumber(value));
        return OptionResult::Applied;
    }
    const OptionRow* row = FindOption(upperName, source);
    if (!row) return OptionResult::NotAnOption;
    ApplyRow(*row, value);
    return OptionResult::Applied;
}

QString OptionErrorText(OptionResult result) {
    return result == OptionResult::BadProfile ? QStringLiteral("Invalid profile file") : QString();
}

int32_t ReadOptionNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == u'%') {
        base = 2;
        ++i;
    }
    const uint64_t cap = uint64_t(1) << 32;  // anything past this is out of range either way
    uint64_t magnitude = 0;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
        magnitude = magnitude * uint64_t(base) + uint64_t(DigitValue(text[i]));
        if (magnitude > cap) magnitude = cap;
    }
    if (negative) {
        const uint64_t limit = uint64_t(std::numeric_limits<int32_t>::max()) + 1;
        return magnitude >= limit ? std::numeric_limits<int32_t>::min() : -int32_t(magnitude);
    }
    const uint64_t limit = uint64_t(std::numeric_limits<int32_t>::max());
    return magnitude >= limit ? std::numeric_limits<int32_t>::max() : int32_t(magnitude);
}

float ReadOptionDecimal(const QString& text) {
    const double reading = AtofLike(text);
    if (std::isfinite(reading) && std::fabs(reading) > std::numeric_limits<float>::max())
        return reading < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(reading);
}
