#include "engine/watermark.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "batch/output_naming.h"
#include "engine/colour.h"
#include "engine/overlay.h"
#include "engine/watermark_layout.h"
#include "engine/watermark_picture.h"
#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/text_drawing.h"
#include "settings/settings.h"

namespace {
CanvasPixel WithAlpha(const QString& text, int alpha) {
    const RgbColour colour = ParseColour(text);
    return {colour.red, colour.green, colour.blue, static_cast<uint8_t>(std::clamp(alpha, 0, 255))};
}

bool FitsCanvas(const TextBlock& block) {
    return block.width > 0 && block.height > 0 && block.width <= INT_MAX && block.height <= INT_MAX;
}

// The text block on a canvas of its own size, with its alpha.
Canvas* DrawTextBlock(const FontObject* font) {
    const auto& w = ConversionSettings.watermark;
    const QStringList lines = WatermarkLines(ExpandWatermarkText());
    std::vector<LineExtent> extents;
    for (const QString& line : lines) {
        const TextExtent extent = MeasurePlainText(font, line);
        extents.push_back({extent.width, extent.height});
    }
    const TextBlock block = LayOutTextBlock(extents, w.fontLeading, w.textPadding);
    if (!FitsCanvas(block)) return nullptr;
    Canvas* text = CreateCanvas(static_cast<int>(block.width), static_cast<int>(block.height));
    if (!text) return nullptr;

    Canvas* result = nullptr;
    int64_t y = w.textPadding;
    if (!w.textAntialiasing) {
        const CanvasPixel ink = WithAlpha(w.fontColor, w.textOpacity);
        const CanvasPixel box = WithAlpha(w.backColor, w.backOpacity);
        SetDrawMode(text, DrawMode::WriteAll);
        FloodFill(text, 1, 1, box);
        for (int i = 0; i < lines.size(); ++i, y += block.step) {
            const int64_t x = LineX(w.textAlignment, extents[size_t(i)].width, block.width, w.textPadding);
            if (x >= INT_MIN && x <= INT_MAX && y <= INT_MAX)
                DrawPlainText(text, font, lines[i], static_cast<int>(x), static_cast<int>(y), ink, box);
        }
        result = CreateCanvas(CanvasWidth(text), CanvasHeight(text));
        DrawCanvas(result, text, 255);
    } else {
        Canvas* box = CreateCanvas(CanvasWidth(text), CanvasHeight(text));
        if (box) {
            FillCanvas(box, WithAlpha(w.backColor, 255));
            const CanvasPixel ink = WithAlpha(w.fontColor, 255);
            for (int i = 0; i < lines.size(); ++i, y += block.step) {
                const auto width = static_cast<int64_t>(std::nearbyint(MeasureVectorText(font, lines[i])));
                const int64_t x = LineX(w.textAlignment, width, block.width, w.textPadding);
                DrawVectorText(text, font, lines[i], double(x), double(y), ink);
            }
            result = CreateCanvas(CanvasWidth(text), CanvasHeight(text));
            DrawCanvas(result, box, w.backOpacity);
            DrawCanvas(result, text, w.textOpacity);
            ReleaseCanvas(box);
        }
    }
    ReleaseCanvas(text);
    return result;
}

// The picture at the watermark's opacity, in grey when asked.
Canvas* DrawPicture() {
    const auto& w = ConversionSettings.watermark;
    int bitsPerPixel = 0;
    Canvas* picture = LoadWatermarkPicture(w.image, &bitsPerPixel);
    if (!picture) return nullptr;
    const CanvasPixel background = bitsPerPixel == 32 ? CanvasPixel() : CanvasPixel{0, 0, 0, 255};
    Canvas* result = CreateCanvas(CanvasWidth(picture), CanvasHeight(picture), background);
    if (result) {
        if (w.imageGreyscale)
            SetDrawMode(result, DrawMode::Filter, GreyFilter);
        else
            SetDrawMode(result, DrawMode::WriteAll);
        DrawCanvas(result, picture, w.imageOpacity);
    }
    ReleaseCanvas(picture);
    return result;
}

// The overlay rotated, cropped and placed on a blank bitmap of the image's
// size, then laid over the image. Takes the overlay.
FIBITMAP* PlaceOverlay(FIBITMAP* overlay, FIBITMAP* image, int width, int height, int angle) {
    if (angle >= 1 && angle <= 359) {
        FIBITMAP* rotated = FreeImage_Rotate(overlay, angle, nullptr);
        FreeImage_Unload(overlay);
        overlay = rotated;
        if (!overlay) return image;
    }
    const WatermarkArea area = CurrentWatermarkArea(width, height);
    overlay = FitWatermark(overlay, area, FreeImage_GetWidth(overlay), FreeImage_GetHeight(overlay));
    if (!overlay) return image;
    const int64_t w = FreeImage_GetWidth(overlay);
    const int64_t h = FreeImage_GetHeight(overlay);
    const WatermarkPoint at = WatermarkPosition(area, w, h);
    FIBITMAP* canvas = FreeImage_AllocateT(FIT_BITMAP, width, height, static_cast<int>(FreeImage_GetBPP(overlay)));
    // Only a watermark wholly inside the image is pasted. The paste copies
    // it as it is: FreeImage's blending at alpha 255 would take one level
    // off every channel.
    if (canvas && at.x >= 0 && at.y >= 0 && at.x + w <= width && at.y + h <= height)
        FreeImage_Paste(canvas, overlay, static_cast<int>(at.x), static_cast<int>(at.y), 256);
    image = CompositeOverlay(canvas, image);
    if (canvas) FreeImage_Unload(canvas);
    FreeImage_Unload(overlay);
    return image;
}
}  // namespace

FIBITMAP* DrawWatermark(FIBITMAP* image, int width, int height) {
    const auto& w = ConversionSettings.watermark;
    if (!image || w.doWatermark == 0) return image;
    image = ToTwentyFourBits(image);
    if (!image) return nullptr;

    Canvas* drawn = nullptr;
    int angle = 0;
    if (w.doWatermark == 1) {
        if (const FontObject* font = WatermarkFont()) drawn = DrawTextBlock(font);
        angle = w.textRotation;
    } else if (w.doWatermark == 2) {
        drawn = DrawPicture();
        angle = w.imageRotation;
    }
    if (!drawn) return image;
    FIBITMAP* overlay = CanvasToBitmap(drawn);
    ReleaseCanvas(drawn);
    return overlay ? PlaceOverlay(overlay, image, width, height, angle) : image;
}
