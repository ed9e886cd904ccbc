// The image stages of a conversion under every setting they read: the first
// kSettingsBytes of the input are the settings (rotation, resize, flips,
// colours, greyscale, threshold, frame, watermark, output depth), the rest
// is a small PNG that is converted with them. As for a plain conversion, the
// output folder must hold either nothing or one complete PSD afterwards.
#include <FreeImage.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "batch/command_line_job.h"
#include "batch/watermark_font.h"
#include "engine/libraries.h"
#include "engine/pipeline.h"
#include "engine/png_header.h"
#include "fuzz_conversion.h"
#include "fuzz_png.h"
#include "fuzz_support.h"

namespace {
constexpr size_t kMaxInputBytes = 1 << 16;
// Both sides at most 256 pixels: a rotated image stays within 512 a side.
constexpr int64_t kMaxSide = 256;
constexpr size_t kTextBytes = 16;

// Targets between kMaxTarget and the PSD limit are valid but only cost
// time; above the limit they are refused before anything is made, so they
// stay as they are.
constexpr int32_t kMaxTarget = 1024;
// 200% of a 512-pixel side is kMaxTarget; from 3,000,001% on even a
// one-pixel side passes the PSD limit.
constexpr int32_t kMaxPercent = 200;
constexpr int32_t kRefusedPercent = 3000000;
// Padding and leading make the text canvas, which is flood filled and
// encoded pixel by pixel: a few hundred pixels show every rule, a thousand
// take the instrumented build tens of seconds.
constexpr int32_t kMaxTextSpacing = 256;

// The fixed-size settings block, read front to back; each reader takes its
// bytes whether or not the setting ends up used, so every field stays at
// the same place.
class SettingsReader {
public:
    explicit SettingsReader(const uint8_t* data) : data_(data) {}
    int8_t Byte() { return static_cast<int8_t>(data_[at_++]); }
    int16_t Short() {
        uint16_t value = 0;
        std::memcpy(&value, data_ + at_, 2);
        at_ += 2;
        return static_cast<int16_t>(value);
    }
    int32_t Int() {
        uint32_t value = 0;
        std::memcpy(&value, data_ + at_, 4);
        at_ += 4;
        return static_cast<int32_t>(value);
    }
    float Float() {
        float value = 0;
        std::memcpy(&value, data_ + at_, 4);
        at_ += 4;
        return value;
    }
    // Six hex digits in either case, or now and then a malformed colour.
    QString Colour() {
        const auto kind = static_cast<uint8_t>(Byte());
        const auto r = static_cast<uint8_t>(Byte()), g = static_cast<uint8_t>(Byte()), b = static_cast<uint8_t>(Byte());
        static const char* const malformed[] = {
            "", "12345", "1234567", "zzzzzz", "#12345", "-1-2-3", "\xff\x30\x30\x30\x30\x30", "0x1234", " 1 2 3"};
        constexpr int count = sizeof(malformed) / sizeof(malformed[0]);
        if (kind >= 256 - count) return QString::fromLatin1(malformed[kind - (256 - count)]);
        const QString hex = QStringLiteral("%1%2%3")
                                .arg(r, 2, 16, QLatin1Char('0'))
                                .arg(g, 2, 16, QLatin1Char('0'))
                                .arg(b, 2, 16, QLatin1Char('0'));
        return kind & 1 ? hex.toUpper() : hex;
    }
    // Latin-1 text of a fixed field, ending at its first NUL.
    QString Text(size_t bytes) {
        const auto* start = reinterpret_cast<const char*>(data_ + at_);
        at_ += bytes;
        return QString::fromLatin1(start, static_cast<qsizetype>(strnlen(start, bytes)));
    }
    size_t Used() const { return at_; }

private:
    const uint8_t* data_;
    size_t at_ = 0;
};

int32_t BoundTarget(int32_t value, int8_t unit) {
    if (unit == 1) return value > kMaxPercent && value <= kRefusedPercent ? kMaxPercent : value;
    return value > kMaxTarget && value <= kMaxImageSide ? kMaxTarget : value;
}

int32_t BoundSpacing(int16_t value) {
    return std::clamp<int32_t>(value, -kMaxTextSpacing, kMaxTextSpacing);
}

// The watermark pictures the settings choose from, written once.
struct Pictures {
    QString rgba;
    QString rgb;
    QString bmp;
    QString missing;
};

bool SavePattern(const QString& path, FREE_IMAGE_FORMAT format, int width, int height, int bpp) {
    FIBITMAP* image = FreeImage_Allocate(width, height, bpp);
    if (!image) return false;
    const int bytes = bpp / 8;
    for (int y = 0; y < height; ++y) {
        BYTE* row = FreeImage_GetScanLine(image, y);
        for (int x = 0; x < width * bytes; ++x) row[x] = static_cast<BYTE>(x * 37 + y * 91);
    }
    const bool saved = FreeImage_Save(format, image, path.toLocal8Bit().constData(), 0) != FALSE;
    FreeImage_Unload(image);
    return saved;
}

const Pictures& WatermarkPictures(const QString& folder) {
    static const Pictures pictures = [&] {
        Pictures p{folder + QStringLiteral("/mark32.png"), folder + QStringLiteral("/mark24.png"),
                   folder + QStringLiteral("/mark.bmp"), folder + QStringLiteral("/missing.png")};
        FUZZ_CHECK(SavePattern(p.rgba, FIF_PNG, 7, 5, 32));
        FUZZ_CHECK(SavePattern(p.rgb, FIF_PNG, 12, 3, 24));
        FUZZ_CHECK(SavePattern(p.bmp, FIF_BMP, 4, 9, 24));
        return p;
    }();
    return pictures;
}

QString PictureChoice(int8_t choice, const Pictures& pictures) {
    switch (static_cast<uint8_t>(choice) % 5) {
        case 0:
            return pictures.rgba;
        case 1:
            return pictures.rgb;
        case 2:
            return pictures.bmp;
        case 3:
            return pictures.missing;
        default:
            return QString();
    }
}

// Reads the settings block into the record (already at its defaults) and
// the job's depth fields; returns the bytes it took.
size_t ReadSettings(const uint8_t* data, const Pictures& pictures) {
    SettingsReader in(data);
    auto& t = ConversionSettings.transform;
    t.doImageRotation = in.Byte();
    t.imageRotationType = in.Byte();
    t.imageRotation = in.Short();
    t.imageRotationBackColor = in.Colour();
    t.doImageResize = in.Byte();
    t.imageWidthUnit = in.Byte();
    t.imageWidth = BoundTarget(in.Int(), t.imageWidthUnit);
    t.imageHeightUnit = in.Byte();
    t.imageHeight = BoundTarget(in.Int(), t.imageHeightUnit);
    t.keepAspectRatio = in.Byte();
    t.imageResizeType = in.Byte();
    t.imageResizeAlgorithm = in.Byte();
    t.doImageFlipHorizontal = in.Byte();
    t.doImageFlipVertical = in.Byte();

    auto& a = ConversionSettings.adjustment;
    a.doImageColorCorrection = in.Byte();
    a.imageBrightness = in.Int();
    a.imageContrast = in.Int();
    a.imageGamma = in.Float();
    a.imageInvert = in.Byte();
    a.doImageGreyscale = in.Byte();
    a.doImageThreshold = in.Byte();
    a.imageThreshold = in.Int();

    auto& f = ConversionSettings.frame;
    f.doFrame = in.Byte();
    f.solidLeft = in.Int();
    f.solidRight = in.Int();
    f.solidTop = in.Int();
    f.solidBottom = in.Int();
    f.solidLeftColor = in.Colour();
    f.solidRightColor = in.Colour();
    f.solidTopColor = in.Colour();
    f.solidBottomColor = in.Colour();
    f.solidOpacity = in.Int();

    auto& w = ConversionSettings.watermark;
    w.doWatermark = in.Byte();
    w.text = in.Text(kTextBytes);
    w.font = QStringLiteral("Arial");
    w.fontSize = in.Byte();
    w.fontLeading = BoundSpacing(in.Short());
    w.fontColor = in.Colour();
    w.fontStyle = in.Byte();
    w.fontEffect = in.Byte();
    w.textAntialiasing = in.Byte();
    w.textAlignment = in.Byte();
    w.textPadding = BoundSpacing(in.Short());
    w.textOpacity = in.Int();
    w.backColor = in.Colour();
    w.backOpacity = in.Int();
    w.textBoundary = in.Byte();
    w.textPosition = in.Byte();
    w.textXOffset = in.Int();
    w.textYOffset = in.Int();
    w.textRotation = in.Int();
    w.image = PictureChoice(in.Byte(), pictures);
    w.imageGreyscale = in.Byte();
    w.imageOpacity = in.Int();
    w.imageBoundary = in.Byte();
    w.imagePosition = in.Byte();
    w.imageXOffset = in.Int();
    w.imageYOffset = in.Int();
    w.imageRotation = in.Int();

    ConversionJob.automaticDepth = static_cast<uint8_t>(in.Byte()) & 1;
    ConversionJob.outputBitDepth = in.Short();
    return in.Used();
}

// The settings block's size, found by reading an all-zero block once.
size_t SettingsBytes(const Pictures& pictures) {
    static const size_t bytes = [&] {
        static const uint8_t zeros[512] = {};
        PrepareConsoleRun();
        const size_t used = ReadSettings(zeros, pictures);
        FUZZ_CHECK(used <= sizeof(zeros));
        return used;
    }();
    return bytes;
}

// The run's checks load the watermark font before the conversion; loading
// it is slow, so it is loaded again only when its size or style changes.
void LoadFontOnce() {
    const auto& w = ConversionSettings.watermark;
    static bool loaded = false;
    static int32_t loadedSize = 0;
    static int32_t loadedStyle = 0;
    const int32_t style = FontStyleFlags(w.fontStyle) + FontEffectFlags(w.fontEffect);
    if (loaded && loadedSize == w.fontSize && loadedStyle == style) return;
    LoadWatermarkFont(w.font, w.fontSize, style);
    loaded = true;
    loadedSize = w.fontSize;
    loadedStyle = style;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > kMaxInputBytes) return 0;
    // Fontconfig reads its configuration at its first use: the tests' own
    // fonts must be in force by then.
    static const bool fontsConfigured = (setenv("FONTCONFIG_FILE", RASTOC_FUZZ_FONTS_CONF, 1) == 0);
    FUZZ_CHECK(fontsConfigured);
    static const bool ready = InitialiseImageLibraries();
    FUZZ_CHECK(ready);
    static QTemporaryDir folder;
    const Pictures& pictures = WatermarkPictures(folder.path());
    const size_t settingsBytes = SettingsBytes(pictures);
    if (size < settingsBytes) return 0;

    QByteArray bytes = Bytes(data + settingsBytes, size - settingsBytes);
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) FixChunkCrcs(&bytes);
    int64_t width = 0;
    int64_t height = 0;
    if (ReadPngSize(bytes.left(kPngHeadBytes), &width, &height) && (width > kMaxSide || height > kMaxSide)) return 0;

    const QString input = folder.path() + QStringLiteral("/input.png");
    const QString output = folder.path() + QStringLiteral("/out/");
    QDir().mkpath(output);
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return 0;
    }

    PrepareConsoleRun();
    ReadSettings(data, pictures);
    if (ConversionSettings.watermark.doWatermark == 1) LoadFontOnce();
    ConvertAndCheck(input, output);
    return 0;
}
