#include "platform/canvas.h"

#include <algorithm>
#include <new>
#include <vector>

#include "platform/drawing/canvas_internal.h"

namespace {
cairo_surface_t* NewSurface(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}

uint32_t* Row(cairo_surface_t* surface, int y) {
    unsigned char* data = cairo_image_surface_get_data(surface);
    return reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * cairo_image_surface_get_stride(surface));
}

uint8_t Premultiply(uint8_t value, uint8_t alpha) {
    return static_cast<uint8_t>((value * alpha + 127) / 255);
}

uint8_t Unpremultiply(uint8_t value, uint8_t alpha) {
    return static_cast<uint8_t>(std::min(255, (value * 255 + alpha / 2) / alpha));
}

uint8_t ClampAlpha(int alpha) {
    return static_cast<uint8_t>(std::clamp(alpha, 0, 255));
}

// Source over destination in premultiplied form.
uint32_t Over(uint32_t source, uint32_t destination) {
    const uint32_t inverse = 255 - (source >> 24);
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t s = (source >> shift) & 0xFF;
        const uint32_t d = (destination >> shift) & 0xFF;
        result |= std::min<uint32_t>(255, s + (d * inverse + 127) / 255) << shift;
    }
    return result;
}
}  // namespace

uint32_t PremultipliedWord(CanvasPixel p) {
    return static_cast<uint32_t>(p.alpha) << 24 | static_cast<uint32_t>(Premultiply(p.red, p.alpha)) << 16 |
           static_cast<uint32_t>(Premultiply(p.green, p.alpha)) << 8 | Premultiply(p.blue, p.alpha);
}

CanvasPixel StraightPixel(uint32_t word) {
    CanvasPixel p;
    p.alpha = static_cast<uint8_t>(word >> 24);
    if (p.alpha == 0) return p;
    p.red = Unpremultiply(static_cast<uint8_t>(word >> 16), p.alpha);
    p.green = Unpremultiply(static_cast<uint8_t>(word >> 8), p.alpha);
    p.blue = Unpremultiply(static_cast<uint8_t>(word), p.alpha);
    return p;
}

void PutCanvasPixel(Canvas* canvas, int x, int y, CanvasPixel pixel) {
    uint32_t& target = Row(canvas->surface, y)[x];
    switch (canvas->mode) {
        case DrawMode::Blend:
            target = Over(PremultipliedWord(pixel), target);
            break;
        case DrawMode::Filter:
            target = PremultipliedWord(canvas->filter ? canvas->filter(pixel) : pixel);
            break;
        case DrawMode::WriteAll:
            target = PremultipliedWord(pixel);
            break;
    }
}

cairo_t* BeginVectorDrawing(Canvas* canvas, CanvasPixel colour) {
    if (!canvas) return nullptr;
    cairo_t* cr = cairo_create(canvas->surface);
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr);
        return nullptr;
    }
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_BEST);
    cairo_set_source_rgba(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0, colour.alpha / 255.0);
    return cr;
}

Canvas* CreateCanvas(int width, int height, CanvasPixel fill) {
    cairo_surface_t* surface = NewSurface(width, height);
    if (!surface) return nullptr;
    auto* canvas = new (std::nothrow) Canvas;
    if (!canvas) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    canvas->surface = surface;
    if (fill.alpha != 0) {
        const uint32_t word = PremultipliedWord(fill);
        for (int y = 0; y < height; ++y) std::fill_n(Row(surface, y), width, word);
        cairo_surface_mark_dirty(surface);
    }
    return canvas;
}

Canvas* CreateCanvasFromRgba(int width, int height, const uint8_t* rgba, int stride) {
    Canvas* canvas = CreateCanvas(width, height);
    if (!canvas || !rgba) return canvas;
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = rgba + static_cast<size_t>(y) * stride;
        uint32_t* out = Row(canvas->surface, y);
        for (int x = 0; x < width; ++x, in += 4) out[x] = PremultipliedWord({in[0], in[1], in[2], in[3]});
    }
    cairo_surface_mark_dirty(canvas->surface);
    return canvas;
}

bool ResizeCanvas(Canvas* canvas, int width, int height) {
    if (!canvas) return false;
    cairo_surface_t* surface = NewSurface(width, height);
    if (!surface) return false;
    cairo_surface_destroy(canvas->surface);
    canvas->surface = surface;
    return true;
}

void ReleaseCanvas(Canvas* canvas) {
    if (!canvas) return;
    cairo_surface_destroy(canvas->surface);
    delete canvas;
}

int CanvasWidth(const Canvas* canvas) {
    return canvas ? cairo_image_surface_get_width(canvas->surface) : 0;
}

int CanvasHeight(const Canvas* canvas) {
    return canvas ? cairo_image_surface_get_height(canvas->surface) : 0;
}

CanvasPixel CanvasPixelAt(const Canvas* canvas, int x, int y) {
    if (!canvas || x < 0 || y < 0 || x >= CanvasWidth(canvas) || y >= CanvasHeight(canvas)) return {};
    cairo_surface_flush(canvas->surface);
    return StraightPixel(Row(canvas->surface, y)[x]);
}

void SetDrawMode(Canvas* canvas, DrawMode mode, PixelFilter filter) {
    if (!canvas) return;
    canvas->mode = mode;
    canvas->filter = filter;
}

void FloodFill(Canvas* canvas, int x, int y, CanvasPixel colour) {
    const int width = CanvasWidth(canvas);
    const int height = CanvasHeight(canvas);
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    cairo_surface_flush(canvas->surface);
    const uint32_t seed = Row(canvas->surface, y)[x];
    // The region is found first and painted afterwards, so a colour that
    // equals the seed (or a blend onto it) cannot make the fill run on.
    std::vector<uint8_t> inside(static_cast<size_t>(width) * height, 0);
    std::vector<std::pair<int, int>> pending{{x, y}};
    while (!pending.empty()) {
        const auto [px, py] = pending.back();
        pending.pop_back();
        if (px < 0 || py < 0 || px >= width || py >= height) continue;
        uint8_t& mark = inside[static_cast<size_t>(py) * width + px];
        if (mark || Row(canvas->surface, py)[px] != seed) continue;
        mark = 1;
        pending.push_back({px + 1, py});
        pending.push_back({px - 1, py});
        pending.push_back({px, py + 1});
        pending.push_back({px, py - 1});
    }
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < width; ++px)
            if (inside[static_cast<size_t>(py) * width + px]) PutCanvasPixel(canvas, px, py, colour);
    cairo_surface_mark_dirty(canvas->surface);
}

void DrawCanvas(Canvas* target, const Canvas* source, int alpha) {
    if (!target || !source) return;
    const uint8_t scale = ClampAlpha(alpha);
    if (target->mode == DrawMode::Blend) {
        cairo_t* cr = cairo_create(target->surface);
        cairo_set_source_surface(cr, source->surface, 0, 0);
        cairo_paint_with_alpha(cr, scale / 255.0);
        cairo_destroy(cr);
        return;
    }
    const int width = std::min(CanvasWidth(target), CanvasWidth(source));
    const int height = std::min(CanvasHeight(target), CanvasHeight(source));
    cairo_surface_flush(source->surface);
    cairo_surface_flush(target->surface);
    for (int y = 0; y < height; ++y) {
        const uint32_t* in = Row(source->surface, y);
        for (int x = 0; x < width; ++x) {
            CanvasPixel pixel = StraightPixel(in[x]);
            pixel.alpha = static_cast<uint8_t>((pixel.alpha * scale + 127) / 255);
            PutCanvasPixel(target, x, y, pixel);
        }
    }
    cairo_surface_mark_dirty(target->surface);
}

void FillCanvas(Canvas* canvas, CanvasPixel colour) {
    cairo_t* cr = BeginVectorDrawing(canvas, colour);
    if (!cr) return;
    cairo_paint(cr);
    cairo_destroy(cr);
}

void FillRectangle(Canvas* canvas, double x, double y, double width, double height, CanvasPixel colour) {
    cairo_t* cr = BeginVectorDrawing(canvas, colour);
    if (!cr) return;
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    cairo_destroy(cr);
}
