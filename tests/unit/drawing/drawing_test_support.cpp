#include "drawing_test_support.h"

#include <QFile>
#include <cmath>
#include <cstdlib>

#include "engine/libraries.h"
#include "platform/image_codec.h"
#include "settings/settings.h"

namespace {
// Fontconfig reads its configuration once, at its first use; the tests'
// own configuration must be in force by then.
const bool fontsConfigured = [] {
    setenv("FONTCONFIG_FILE", RASTOC_TEST_FONTS_CONF, 1);
    return true;
}();
}  // namespace

void ResetDrawingSettings() {
    (void)fontsConfigured;
    InitialiseImageLibraries();
    LoadDefaultSettings(true);
}

FIBITMAP* SolidBitmap(int width, int height, Rgb colour, int bitsPerPixel) {
    FIBITMAP* image = FreeImage_Allocate(width, height, bitsPerPixel);
    const int bytes = bitsPerPixel / 8;
    for (int y = 0; y < height; ++y) {
        BYTE* row = FreeImage_GetScanLine(image, y);
        for (int x = 0; x < width; ++x) {
            row[x * bytes + FI_RGBA_RED] = static_cast<BYTE>(colour.red);
            row[x * bytes + FI_RGBA_GREEN] = static_cast<BYTE>(colour.green);
            row[x * bytes + FI_RGBA_BLUE] = static_cast<BYTE>(colour.blue);
            if (bytes == 4) row[x * bytes + FI_RGBA_ALPHA] = 128;
        }
    }
    return image;
}

Rgb PixelAt(FIBITMAP* image, int x, int y) {
    const int bytes = static_cast<int>(FreeImage_GetBPP(image)) / 8;
    const BYTE* row = FreeImage_GetScanLine(image, static_cast<int>(FreeImage_GetHeight(image)) - 1 - y);
    return {row[x * bytes + FI_RGBA_RED], row[x * bytes + FI_RGBA_GREEN], row[x * bytes + FI_RGBA_BLUE]};
}

bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

bool WriteSolidPng(const QString& path, int width, int height, CanvasPixel colour) {
    Canvas* canvas = CreateCanvas(width, height);
    if (!canvas) return false;
    SetDrawMode(canvas, DrawMode::WriteAll);
    FloodFill(canvas, 0, 0, colour);
    const QByteArray png = EncodePng(canvas);
    ReleaseCanvas(canvas);
    QFile file(path);
    return !png.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
}

Changes ChangedPixels(FIBITMAP* image, Rgb background) {
    Changes changes;
    const int width = static_cast<int>(FreeImage_GetWidth(image));
    const int height = static_cast<int>(FreeImage_GetHeight(image));
    changes.left = width;
    changes.top = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (PixelAt(image, x, y) == background) continue;
            ++changes.count;
            changes.left = std::min(changes.left, x);
            changes.top = std::min(changes.top, y);
            changes.right = std::max(changes.right, x);
            changes.bottom = std::max(changes.bottom, y);
        }
    return changes;
}
