#pragma once
#include <cairo.h>

#include "platform/font.h"

// Shared by the platform's font and text files only.
struct FontObject {
    FontDescription description;
    int32_t style = 0;
    cairo_font_face_t* face = nullptr;
    cairo_scaled_font_t* plain = nullptr;   // not antialiased, grid-fitted
    cairo_scaled_font_t* smooth = nullptr;  // antialiased, grid-fitted
    // Effect lines in pixels: offset of the line's centre below the baseline
    // (negative above it) and thickness.
    double underlineOffset = 0;
    double underlineThickness = 1;
    double strikeOutOffset = 0;
    double strikeOutThickness = 1;
};
