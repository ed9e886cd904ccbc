#pragma once
#include <FreeImage.h>
#include <QString>
#include <cstdint>
#include <ostream>

#include "platform/canvas.h"

// Helpers for the drawing tests: bitmaps made in the test, read top-down.

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rgb& c) {
        return out << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
    }
};

// Default command-line settings and library start-up, once per test.
void ResetDrawingSettings();
// A 24-bit image in one colour.
FIBITMAP* SolidBitmap(int width, int height, Rgb colour, int bitsPerPixel = 24);
// The colour at (x, y), counted from the top-left corner.
Rgb PixelAt(FIBITMAP* image, int x, int y);
// True when every channel is within tolerance.
bool Near(Rgb a, Rgb b, int tolerance);
// A PNG in one colour with that alpha, written with the codec under test.
bool WriteSolidPng(const QString& path, int width, int height, CanvasPixel colour);
// Number of pixels that differ from the colour, and their bounding box.
struct Changes {
    int count = 0;
    int left = 0;
    int top = 0;
    int right = -1;   // inclusive
    int bottom = -1;  // inclusive
};
Changes ChangedPixels(FIBITMAP* image, Rgb background);
