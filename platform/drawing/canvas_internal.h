#pragma once
#include <cairo.h>

#include "platform/canvas.h"

// Shared by the platform's drawing files only. cairo keeps premultiplied
// alpha; the helpers below are the one place where that is converted.
struct Canvas {
    cairo_surface_t* surface = nullptr;
    DrawMode mode = DrawMode::Blend;
    PixelFilter filter = nullptr;
};

uint32_t PremultipliedWord(CanvasPixel pixel);
CanvasPixel StraightPixel(uint32_t word);
// Puts one straight-alpha pixel by the canvas's draw mode. The caller has
// flushed the surface, checks the bounds and marks the surface dirty.
void PutCanvasPixel(Canvas* canvas, int x, int y, CanvasPixel pixel);
// A cairo context on the canvas with the colour as its source, or null.
cairo_t* BeginVectorDrawing(Canvas* canvas, CanvasPixel colour);
