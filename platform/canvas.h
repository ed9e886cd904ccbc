#pragma once
#include <QString>
#include <cstdint>

// A 32-bit drawing surface with alpha. Colours go in and come out with
// straight (not premultiplied) alpha, whatever the surface keeps inside.
struct Canvas;

struct CanvasPixel {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;
    friend bool operator==(const CanvasPixel&, const CanvasPixel&) = default;
};

// Transparent unless another fill is given; null when the size is not
// positive or memory runs out.
Canvas* CreateCanvas(int width, int height, CanvasPixel fill = CanvasPixel());
// A canvas holding the pixels: rows top-down, red, green, blue, alpha bytes.
Canvas* CreateCanvasFromRgba(int width, int height, const uint8_t* rgba, int stride);
// Gives the canvas a new size; its contents become transparent. False (and
// the canvas as it was) when the size is not positive or memory runs out.
bool ResizeCanvas(Canvas* canvas, int width, int height);
void ReleaseCanvas(Canvas* canvas);
int CanvasWidth(const Canvas* canvas);
int CanvasHeight(const Canvas* canvas);
// Transparent black outside the canvas.
CanvasPixel CanvasPixelAt(const Canvas* canvas, int x, int y);

// How the pixel-level drawing (flood fill, plain text, drawing a canvas)
// puts its pixels: laid over what is there by their alpha, written as they
// are in all four channels, or written after passing through a filter.
enum class DrawMode { Blend, WriteAll, Filter };
using PixelFilter = CanvasPixel (*)(CanvasPixel);
// The filter is used only in Filter mode; a missing one writes as WriteAll.
void SetDrawMode(Canvas* canvas, DrawMode mode, PixelFilter filter = nullptr);

// Fills the region of equal pixels around (x, y), four-connected, with the
// colour. Nothing happens when the point is outside the canvas.
void FloodFill(Canvas* canvas, int x, int y, CanvasPixel colour);
// Draws source at (0, 0) with its alpha scaled by alpha (0..255, clamped).
void DrawCanvas(Canvas* target, const Canvas* source, int alpha);

// Vector drawing, antialiased, always laid over by alpha.
void FillCanvas(Canvas* canvas, CanvasPixel colour);
void FillRectangle(Canvas* canvas, double x, double y, double width, double height, CanvasPixel colour);
// Fills the closed figures of an SVG-style path text (M, L, H, V in both
// cases, Z). A number may carry several signs, which multiply, so "--5" is 5.
// False, with nothing drawn, when the text cannot be read.
bool FillPathText(Canvas* canvas, const QString& path, CanvasPixel colour);
