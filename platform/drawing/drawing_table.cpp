// The one symbol the drawing module exports.
#include "platform/drawing_table.h"

extern "C" __attribute__((visibility("default"))) const DrawingTable* RastocDrawingTable() {
    static const DrawingTable table = {
        kDrawingTableVersion,
        CreateCanvas,
        CreateCanvasFromRgba,
        ResizeCanvas,
        ReleaseCanvas,
        CanvasWidth,
        CanvasHeight,
        CanvasPixelAt,
        SetDrawMode,
        FloodFill,
        DrawCanvas,
        FillCanvas,
        FillRectangle,
        FillPathText,
        LoadFont,
        FreeFont,
        DescribeFont,
        SetWatermarkFont,
        WatermarkFont,
        MeasurePlainText,
        DrawPlainText,
        MeasureVectorText,
        DrawVectorText,
    };
    return &table;
}
