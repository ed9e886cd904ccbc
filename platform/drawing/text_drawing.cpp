#include "platform/text_drawing.h"

#include <cmath>

#include "platform/drawing/canvas_internal.h"
#include "platform/drawing/font_internal.h"

namespace {
double Advance(cairo_scaled_font_t* scaled, const QByteArray& utf8) {
    if (utf8.isEmpty()) return 0;
    cairo_text_extents_t extents;
    cairo_scaled_font_text_extents(scaled, utf8.constData(), &extents);
    return extents.x_advance;
}

// Underline and strike-out as filled bars on whole pixel rows.
void AddEffectLines(cairo_t* cr, const FontObject* font, double x, double baseline, double width) {
    const auto bar = [&](double offset, double thickness) {
        const double top = std::round(baseline + offset - thickness / 2);
        cairo_rectangle(cr, x, top, width, thickness);
    };
    if (font->style & FontStyleUnderline) bar(font->underlineOffset, font->underlineThickness);
    if (font->style & FontStyleStrikeOut) bar(font->strikeOutOffset, font->strikeOutThickness);
    cairo_fill(cr);
}
}  // namespace

TextExtent MeasurePlainText(const FontObject* font, const QString& text) {
    if (!font) return {};
    return {static_cast<int>(std::lround(Advance(font->plain, text.toUtf8()))),
            font->description.ascent + font->description.descent};
}

void DrawPlainText(Canvas* canvas, const FontObject* font, const QString& text, int x, int y, CanvasPixel textColour,
                   CanvasPixel backColour) {
    if (!canvas || !font) return;
    const TextExtent extent = MeasurePlainText(font, text);
    if (extent.width <= 0 || extent.height <= 0) return;
    // The glyphs are rendered on a scratch surface with a margin, since
    // slanted and overhanging glyphs may reach beyond the line's box.
    const int margin = extent.height;
    const int scratchWidth = extent.width + 2 * margin;
    const int scratchHeight = extent.height + 2 * margin;
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, scratchWidth, scratchHeight);
    if (cairo_surface_status(scratch) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(scratch);
        return;
    }
    cairo_t* cr = cairo_create(scratch);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_scaled_font(cr, font->plain);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    const double baseline = margin + font->description.ascent;
    const QByteArray utf8 = text.toUtf8();
    cairo_move_to(cr, margin, baseline);
    cairo_show_text(cr, utf8.constData());
    AddEffectLines(cr, font, margin, baseline, extent.width);
    cairo_destroy(cr);
    cairo_surface_flush(scratch);

    const unsigned char* coverage = cairo_image_surface_get_data(scratch);
    const int stride = cairo_image_surface_get_stride(scratch);
    const int width = CanvasWidth(canvas);
    const int height = CanvasHeight(canvas);
    cairo_surface_flush(canvas->surface);
    for (int j = 0; j < scratchHeight; ++j) {
        const int ty = y - margin + j;
        if (ty < 0 || ty >= height) continue;
        const bool rowInBox = j >= margin && j < margin + extent.height;
        for (int i = 0; i < scratchWidth; ++i) {
            const int tx = x - margin + i;
            if (tx < 0 || tx >= width) continue;
            const bool covered = coverage[static_cast<size_t>(j) * stride + i] >= 128;
            const bool inBox = rowInBox && i >= margin && i < margin + extent.width;
            if (covered)
                PutCanvasPixel(canvas, tx, ty, textColour);
            else if (inBox)
                PutCanvasPixel(canvas, tx, ty, backColour);
        }
    }
    cairo_surface_mark_dirty(canvas->surface);
    cairo_surface_destroy(scratch);
}

double MeasureVectorText(const FontObject* font, const QString& text) {
    return font ? Advance(font->smooth, text.toUtf8()) : 0;
}

void DrawVectorText(Canvas* canvas, const FontObject* font, const QString& text, double x, double y,
                    CanvasPixel colour) {
    if (!font || text.isEmpty()) return;
    cairo_t* cr = BeginVectorDrawing(canvas, colour);
    if (!cr) return;
    cairo_set_scaled_font(cr, font->smooth);
    const double baseline = y + font->description.ascent;
    const QByteArray utf8 = text.toUtf8();
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, utf8.constData());
    AddEffectLines(cr, font, x, baseline, Advance(font->smooth, utf8));
    cairo_destroy(cr);
}
