#include "png_fixtures.h"

#include <png.h>
#include <cstdio>

namespace {
// Sample c (0..2 colour, 3 alpha) of pixel x, y as 16 bits whose high and low
// bytes differ, so a converter that keeps the low byte is caught.
uint16_t Sample16(int x, int y, int c) {
    if (c == 3) {
        // The first two columns are fully transparent and fully opaque.
        const int high = x == 0 ? 0 : x == 1 ? 255 : (x * y * 13 + 5) & 255;
        return static_cast<uint16_t>(high << 8 | ((x * 7 + y) & 255));
    }
    const int high = (x * 29 + y * 17 + c * 71) & 255;
    const int low = (x * 3 + y * 5 + c * 113 + 7) & 255;
    return static_cast<uint16_t>(high << 8 | low);
}
uint8_t Sample8(int x, int y, int c) {
    return static_cast<uint8_t>(Sample16(x, y, c) >> 8);
}

constexpr int kPaletteSize = 16;
constexpr int kTransparentEntries = 10;
png_color PaletteColour(int i) {
    return png_color{static_cast<png_byte>(i * 16), static_cast<png_byte>(255 - i * 16),
                     static_cast<png_byte>((i * 97) & 255)};
}
uint8_t PaletteAlpha(int i) {
    return i < kTransparentEntries ? static_cast<uint8_t>(i * 28) : 255;
}
int PaletteIndex(int x, int y) {
    return (x + 3 * y) % kPaletteSize;
}
bool Grey1On(int x, int y) {
    return ((x / 3 + y / 2) & 1) != 0;
}

int ColourType(PngKind kind) {
    switch (kind) {
        case PngKind::Rgba:
        case PngKind::Rgba16:
            return PNG_COLOR_TYPE_RGB_ALPHA;
        case PngKind::Rgb:
        case PngKind::Rgb16:
            return PNG_COLOR_TYPE_RGB;
        case PngKind::PaletteTransparent:
            return PNG_COLOR_TYPE_PALETTE;
        case PngKind::GreyAlpha:
            return PNG_COLOR_TYPE_GRAY_ALPHA;
        default:
            return PNG_COLOR_TYPE_GRAY;
    }
}
int BitDepth(PngKind kind) {
    switch (kind) {
        case PngKind::Grey1:
            return 1;
        case PngKind::PaletteTransparent:
            return 4;
        case PngKind::Rgb16:
        case PngKind::Rgba16:
        case PngKind::Grey16:
            return 16;
        default:
            return 8;
    }
}
// The samples written for one pixel, in file order.
std::vector<int> Channels(PngKind kind) {
    switch (kind) {
        case PngKind::Rgba:
        case PngKind::Rgba16:
            return {0, 1, 2, 3};
        case PngKind::Rgb:
        case PngKind::Rgb16:
            return {0, 1, 2};
        case PngKind::GreyAlpha:
            return {0, 3};
        default:
            return {0};
    }
}

std::vector<png_byte> Row(PngKind kind, int width, int y) {
    std::vector<png_byte> row;
    if (kind == PngKind::Grey1 || kind == PngKind::PaletteTransparent) {
        const int bits = BitDepth(kind);
        row.assign((static_cast<size_t>(width) * bits + 7) / 8, 0);
        for (int x = 0; x < width; ++x) {
            const int value = kind == PngKind::Grey1 ? (Grey1On(x, y) ? 1 : 0) : PaletteIndex(x, y);
            const int bit = x * bits;
            row[bit / 8] |= static_cast<png_byte>(value << (8 - bits - bit % 8));
        }
        return row;
    }
    const bool deep = BitDepth(kind) == 16;
    for (int x = 0; x < width; ++x)
        for (int c : Channels(kind)) {
            const uint16_t sample = Sample16(x, y, c);
            row.push_back(static_cast<png_byte>(sample >> 8));
            if (deep) row.push_back(static_cast<png_byte>(sample & 255));
        }
    return row;
}
}  // namespace

const char* PngKindName(PngKind kind) {
    switch (kind) {
        case PngKind::Rgba:
            return "RGBA";
        case PngKind::Rgb:
            return "RGB";
        case PngKind::PaletteTransparent:
            return "palette with tRNS";
        case PngKind::Grey1:
            return "1-bit grey";
        case PngKind::Grey:
            return "grey";
        case PngKind::GreyAlpha:
            return "grey with alpha";
        case PngKind::Rgb16:
            return "RGB16";
        case PngKind::Rgba16:
            return "RGBA16";
        case PngKind::Grey16:
            return "grey16";
    }
    return "?";
}

bool WriteFixturePng(const QString& path, PngKind kind, int width, int height) {
    FILE* file = std::fopen(path.toUtf8().constData(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), BitDepth(kind),
                 ColourType(kind), PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (kind == PngKind::PaletteTransparent) {
        png_color palette[kPaletteSize];
        png_byte alpha[kTransparentEntries];
        for (int i = 0; i < kPaletteSize; ++i) palette[i] = PaletteColour(i);
        for (int i = 0; i < kTransparentEntries; ++i) alpha[i] = PaletteAlpha(i);
        png_set_PLTE(png, info, palette, kPaletteSize);
        png_set_tRNS(png, info, alpha, kTransparentEntries, nullptr);
    }
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        std::vector<png_byte> row = Row(kind, width, y);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

std::vector<uint8_t> FixtureRgba(PngKind kind, int width, int height) {
    std::vector<uint8_t> rgba;
    rgba.reserve(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t r, g, b, a = 255;
            switch (kind) {
                case PngKind::PaletteTransparent: {
                    const int i = PaletteIndex(x, y);
                    const png_color colour = PaletteColour(i);
                    r = colour.red, g = colour.green, b = colour.blue, a = PaletteAlpha(i);
                    break;
                }
                case PngKind::Grey1:
                    r = g = b = Grey1On(x, y) ? 255 : 0;
                    break;
                case PngKind::Grey:
                case PngKind::Grey16:
                    r = g = b = Sample8(x, y, 0);
                    break;
                case PngKind::GreyAlpha:
                    r = g = b = Sample8(x, y, 0), a = Sample8(x, y, 3);
                    break;
                default:
                    r = Sample8(x, y, 0), g = Sample8(x, y, 1), b = Sample8(x, y, 2);
                    if (kind == PngKind::Rgba || kind == PngKind::Rgba16) a = Sample8(x, y, 3);
            }
            rgba.insert(rgba.end(), {r, g, b, a});
        }
    return rgba;
}

int FixtureLoadedDepth(PngKind kind) {
    switch (kind) {
        case PngKind::Rgba:
        case PngKind::GreyAlpha:
            return 32;
        case PngKind::Rgb:
            return 24;
        // FreeImage widens 4-bit palettes to 8 bits when loading.
        case PngKind::PaletteTransparent:
            return 8;
        case PngKind::Grey1:
            return 1;
        case PngKind::Grey:
            return 8;
        case PngKind::Rgb16:
            return 48;
        case PngKind::Rgba16:
            return 64;
        case PngKind::Grey16:
            return 16;
    }
    return 0;
}
