#pragma once
#include <FreeImage.h>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/canvas.h"

// The rules that size, place and colour a watermark, apart from drawing it.

// Where the watermark goes: the position code (0 TOPLEFT .. 8 BOTTOMRIGHT),
// the offsets from the chosen edges, and the area it is placed in.
struct WatermarkArea {
    int32_t position = -1;  // anything outside 0..8 puts it at the area's origin
    int64_t xOffset = 0;
    int64_t yOffset = 0;
    int64_t left = 0;
    int64_t top = 0;
    int64_t width = 0;
    int64_t height = 0;
};

// The area, position and offsets for the watermark kind in force, on an
// image of the given size: inside the frame when the boundary is FRAME and
// the frame is on, else the whole image. For a kind other than text or
// image the area is the whole image with no offsets and no position.
WatermarkArea CurrentWatermarkArea(int width, int height);

struct WatermarkPoint {
    int64_t x = 0;
    int64_t y = 0;
    friend bool operator==(const WatermarkPoint&, const WatermarkPoint&) = default;
};
// Top-left corner of a watermark of size w x h in the area.
WatermarkPoint WatermarkPosition(const WatermarkArea& area, int64_t w, int64_t h);

struct WatermarkSize {
    int64_t width = 0;
    int64_t height = 0;
    friend bool operator==(const WatermarkSize&, const WatermarkSize&) = default;
};
// The size left after cutting the watermark so that it ends at the area's
// far edges less the offsets; the offsets count whatever the position.
WatermarkSize FittedWatermarkSize(const WatermarkArea& area, int64_t w, int64_t h);
// The watermark's top-left part of the fitted size; releases the input when
// it crops. Null (the input released) when nothing would be left.
FIBITMAP* FitWatermark(FIBITMAP* watermark, const WatermarkArea& area, int64_t w, int64_t h);

// Left edge of a text line by "Text Alignment" (0 LEFT, 1 CENTER, 2 RIGHT).
int64_t LineX(int alignment, int64_t lineWidth, int64_t blockWidth, int64_t padding);

// The lines of a watermark text, split at each "%eol%" in any case.
QStringList WatermarkLines(const QString& text);

struct TextBlock {
    int64_t width = 0;   // padding included
    int64_t height = 0;  // padding included
    int64_t step = 0;    // from one line's top to the next
    friend bool operator==(const TextBlock&, const TextBlock&) = default;
};
struct LineExtent {
    int64_t width = 0;
    int64_t height = 0;
};
// The block of the measured lines. Several lines take the tallest and widest
// line, each at least 10, and step by the tallest plus the leading; a single
// line is its own size.
TextBlock LayOutTextBlock(const std::vector<LineExtent>& lines, int64_t leading, int64_t padding);

// The pixel in grey by the weights 77, 150, 29 (of 256), keeping its alpha.
CanvasPixel GreyFilter(CanvasPixel pixel);
