#pragma once
#include <QString>

#include "platform/canvas.h"
#include "platform/font.h"

// Text on canvases. A line's box starts at the given top-left point and is
// the font's ascent plus descent high; underline and strike-out are drawn
// as lines from the font's own metrics.

struct TextExtent {
    int width = 0;
    int height = 0;
};

// Plain text: grid-fitted, not antialiased (only fully covered or empty
// pixels). Width is the sum of the whole-pixel advances.
TextExtent MeasurePlainText(const FontObject* font, const QString& text);
// Writes the text colour on covered pixels and the back colour on the rest
// of the line's box, by the canvas's draw mode.
void DrawPlainText(Canvas* canvas, const FontObject* font, const QString& text, int x, int y, CanvasPixel textColour,
                   CanvasPixel backColour);

// Vector text: antialiased and grid-fitted, laid over by alpha.
double MeasureVectorText(const FontObject* font, const QString& text);
void DrawVectorText(Canvas* canvas, const FontObject* font, const QString& text, double x, double y,
                    CanvasPixel colour);
