#pragma once
// The drawing services (cairo, fontconfig, FreeType) live in a module loaded
// on first use, so a conversion without frame or watermark never pays for
// loading those libraries. This table is what the module hands over.
#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/text_drawing.h"

inline constexpr int kDrawingTableVersion = 1;
inline constexpr const char* kDrawingModuleName = "librastoc-drawing.so";
inline constexpr const char* kDrawingTableSymbol = "RastocDrawingTable";

struct DrawingTable {
    int version;
    Canvas* (*createCanvas)(int, int, CanvasPixel);
    Canvas* (*createCanvasFromRgba)(int, int, const uint8_t*, int);
    bool (*resizeCanvas)(Canvas*, int, int);
    void (*releaseCanvas)(Canvas*);
    int (*canvasWidth)(const Canvas*);
    int (*canvasHeight)(const Canvas*);
    CanvasPixel (*canvasPixelAt)(const Canvas*, int, int);
    void (*setDrawMode)(Canvas*, DrawMode, PixelFilter);
    void (*floodFill)(Canvas*, int, int, CanvasPixel);
    void (*drawCanvas)(Canvas*, const Canvas*, int);
    void (*fillCanvas)(Canvas*, CanvasPixel);
    void (*fillRectangle)(Canvas*, double, double, double, double, CanvasPixel);
    bool (*fillPathText)(Canvas*, const QString&, CanvasPixel);
    FontObject* (*loadFont)(const QString&, int32_t, int32_t);
    void (*freeFont)(FontObject*);
    FontDescription (*describeFont)(const FontObject*);
    void (*setWatermarkFont)(FontObject*);
    const FontObject* (*watermarkFont)();
    TextExtent (*measurePlainText)(const FontObject*, const QString&);
    void (*drawPlainText)(Canvas*, const FontObject*, const QString&, int, int, CanvasPixel, CanvasPixel);
    double (*measureVectorText)(const FontObject*, const QString&);
    void (*drawVectorText)(Canvas*, const FontObject*, const QString&, double, double, CanvasPixel);
};

using DrawingTableEntry = const DrawingTable* (*)();
