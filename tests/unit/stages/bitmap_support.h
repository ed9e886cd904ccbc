#pragma once
#include <FreeImage.h>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>

struct BitmapRelease {
    void operator()(FIBITMAP* image) const { FreeImage_Unload(image); }
};
// Owns a bitmap while a test holds it; release() hands it to a stage.
using Bitmap = std::unique_ptr<FIBITMAP, BitmapRelease>;

struct Rgba {
    uint8_t red = 0, green = 0, blue = 0, alpha = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};
std::ostream& operator<<(std::ostream& out, const Rgba& colour);

// Pixel colours by column and row, rows counted from the top.
using PixelRule = std::function<Rgba(int x, int y)>;

// A 24- or 32-bit bitmap painted by the rule.
Bitmap MakeTrueColour(int width, int height, int bpp, const PixelRule& rule);
// An 8-bit (or 1- or 4-bit) palette bitmap; entry i of the palette is
// palette(i, 0), and pixel x, y holds index(x, y).
Bitmap MakePalette(int width, int height, int bpp, const PixelRule& palette,
                   const std::function<int(int x, int y)>& index);
// A 16-bit grey bitmap whose samples are sample(x, y).
Bitmap MakeGrey16(int width, int height, const std::function<uint16_t(int x, int y)>& sample);

// The colour of pixel x, y (rows from the top) whatever the bitmap's depth;
// palette entries give their alpha from the transparency table.
Rgba PixelAt(FIBITMAP* image, int x, int y);
int WidthOf(FIBITMAP* image);
int HeightOf(FIBITMAP* image);
int BppOf(FIBITMAP* image);

// Settings as a fresh command-line run has them, for each test.
void ResetSettings();
