#include "bitmap_support.h"

#include "settings/settings.h"

std::ostream& operator<<(std::ostream& out, const Rgba& colour) {
    return out << "rgba(" << int(colour.red) << ", " << int(colour.green) << ", " << int(colour.blue) << ", "
               << int(colour.alpha) << ")";
}

namespace {
unsigned Row(FIBITMAP* image, int y) {
    return FreeImage_GetHeight(image) - 1 - static_cast<unsigned>(y);
}
}  // namespace

Bitmap MakeTrueColour(int width, int height, int bpp, const PixelRule& rule) {
    Bitmap image(FreeImage_Allocate(width, height, bpp));
    for (int y = 0; y < height; ++y) {
        BYTE* line = FreeImage_GetScanLine(image.get(), Row(image.get(), y));
        for (int x = 0; x < width; ++x) {
            const Rgba colour = rule(x, y);
            BYTE* pixel = line + x * (bpp / 8);
            pixel[FI_RGBA_RED] = colour.red;
            pixel[FI_RGBA_GREEN] = colour.green;
            pixel[FI_RGBA_BLUE] = colour.blue;
            if (bpp == 32) pixel[FI_RGBA_ALPHA] = colour.alpha;
        }
    }
    return image;
}

Bitmap MakePalette(int width, int height, int bpp, const PixelRule& palette,
                   const std::function<int(int x, int y)>& index) {
    Bitmap image(FreeImage_Allocate(width, height, bpp));
    RGBQUAD* entries = FreeImage_GetPalette(image.get());
    const int size = 1 << bpp;
    BYTE alpha[256];
    bool transparent = false;
    for (int i = 0; i < size; ++i) {
        const Rgba colour = palette(i, 0);
        entries[i] = RGBQUAD{colour.blue, colour.green, colour.red, 0};
        alpha[i] = colour.alpha;
        transparent = transparent || colour.alpha != 255;
    }
    if (transparent) FreeImage_SetTransparencyTable(image.get(), alpha, size);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            BYTE value = static_cast<BYTE>(index(x, y));
            FreeImage_SetPixelIndex(image.get(), x, Row(image.get(), y), &value);
        }
    return image;
}

Bitmap MakeGrey16(int width, int height, const std::function<uint16_t(int x, int y)>& sample) {
    Bitmap image(FreeImage_AllocateT(FIT_UINT16, width, height, 16));
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<uint16_t*>(FreeImage_GetScanLine(image.get(), Row(image.get(), y)));
        for (int x = 0; x < width; ++x) line[x] = sample(x, y);
    }
    return image;
}

Rgba PixelAt(FIBITMAP* image, int x, int y) {
    const unsigned row = Row(image, y);
    const int bpp = BppOf(image);
    if (FreeImage_GetImageType(image) != FIT_BITMAP) return {};
    if (bpp == 24 || bpp == 32) {
        const BYTE* pixel = FreeImage_GetScanLine(image, row) + x * (bpp / 8);
        return {pixel[FI_RGBA_RED], pixel[FI_RGBA_GREEN], pixel[FI_RGBA_BLUE],
                bpp == 32 ? pixel[FI_RGBA_ALPHA] : BYTE{255}};
    }
    BYTE index = 0;
    FreeImage_GetPixelIndex(image, x, row, &index);
    const RGBQUAD entry = FreeImage_GetPalette(image)[index];
    const BYTE* table = FreeImage_GetTransparencyTable(image);
    const unsigned count = FreeImage_GetTransparencyCount(image);
    const BYTE alpha = FreeImage_IsTransparent(image) && index < count ? table[index] : BYTE{255};
    return {entry.rgbRed, entry.rgbGreen, entry.rgbBlue, alpha};
}

int WidthOf(FIBITMAP* image) {
    return static_cast<int>(FreeImage_GetWidth(image));
}
int HeightOf(FIBITMAP* image) {
    return static_cast<int>(FreeImage_GetHeight(image));
}
int BppOf(FIBITMAP* image) {
    return static_cast<int>(FreeImage_GetBPP(image));
}

void ResetSettings() {
    LoadDefaultSettings(true);
}
