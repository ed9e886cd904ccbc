// Forwards the drawing services to the module beside the executable, loading
// it on the first call. Without the module every service fails softly: no
// canvas, no font, nothing drawn.
#include <dlfcn.h>

#include "platform/drawing_table.h"
#include "platform/program_folder.h"

namespace {
const DrawingTable* LoadTable() {
    const QByteArray path = (ProgramFolder() + QString::fromLatin1(kDrawingModuleName)).toUtf8();
    void* module = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return nullptr;
    auto entry = reinterpret_cast<DrawingTableEntry>(dlsym(module, kDrawingTableSymbol));
    const DrawingTable* table = entry ? entry() : nullptr;
    return table && table->version == kDrawingTableVersion ? table : nullptr;
}

const DrawingTable* Table() {
    static const DrawingTable* table = LoadTable();
    return table;
}
}  // namespace

Canvas* CreateCanvas(int width, int height, CanvasPixel fill) {
    return Table() ? Table()->createCanvas(width, height, fill) : nullptr;
}
Canvas* CreateCanvasFromRgba(int width, int height, const uint8_t* rgba, int stride) {
    return Table() ? Table()->createCanvasFromRgba(width, height, rgba, stride) : nullptr;
}
bool ResizeCanvas(Canvas* canvas, int width, int height) {
    return Table() && Table()->resizeCanvas(canvas, width, height);
}
void ReleaseCanvas(Canvas* canvas) {
    if (Table()) Table()->releaseCanvas(canvas);
}
int CanvasWidth(const Canvas* canvas) {
    return Table() ? Table()->canvasWidth(canvas) : 0;
}
int CanvasHeight(const Canvas* canvas) {
    return Table() ? Table()->canvasHeight(canvas) : 0;
}
CanvasPixel CanvasPixelAt(const Canvas* canvas, int x, int y) {
    return Table() ? Table()->canvasPixelAt(canvas, x, y) : CanvasPixel();
}
void SetDrawMode(Canvas* canvas, DrawMode mode, PixelFilter filter) {
    if (Table()) Table()->setDrawMode(canvas, mode, filter);
}
void FloodFill(Canvas* canvas, int x, int y, CanvasPixel colour) {
    if (Table()) Table()->floodFill(canvas, x, y, colour);
}
void DrawCanvas(Canvas* target, const Canvas* source, int alpha) {
    if (Table()) Table()->drawCanvas(target, source, alpha);
}
void FillCanvas(Canvas* canvas, CanvasPixel colour) {
    if (Table()) Table()->fillCanvas(canvas, colour);
}
void FillRectangle(Canvas* canvas, double x, double y, double width, double height, CanvasPixel colour) {
    if (Table()) Table()->fillRectangle(canvas, x, y, width, height, colour);
}
bool FillPathText(Canvas* canvas, const QString& path, CanvasPixel colour) {
    return Table() && Table()->fillPathText(canvas, path, colour);
}
FontObject* LoadFont(const QString& face, int32_t points, int32_t style) {
    return Table() ? Table()->loadFont(face, points, style) : nullptr;
}
void FreeFont(FontObject* font) {
    if (Table()) Table()->freeFont(font);
}
FontDescription DescribeFont(const FontObject* font) {
    return Table() ? Table()->describeFont(font) : FontDescription();
}
void SetWatermarkFont(FontObject* font) {
    if (Table()) Table()->setWatermarkFont(font);
}
const FontObject* WatermarkFont() {
    return Table() ? Table()->watermarkFont() : nullptr;
}
TextExtent MeasurePlainText(const FontObject* font, const QString& text) {
    return Table() ? Table()->measurePlainText(font, text) : TextExtent();
}
void DrawPlainText(Canvas* canvas, const FontObject* font, const QString& text, int x, int y, CanvasPixel textColour,
                   CanvasPixel backColour) {
    if (Table()) Table()->drawPlainText(canvas, font, text, x, y, textColour, backColour);
}
double MeasureVectorText(const FontObject* font, const QString& text) {
    return Table() ? Table()->measureVectorText(font, text) : 0.0;
}
void DrawVectorText(Canvas* canvas, const FontObject* font, const QString& text, double x, double y,
                    CanvasPixel colour) {
    if (Table()) Table()->drawVectorText(canvas, font, text, x, y, colour);
}
