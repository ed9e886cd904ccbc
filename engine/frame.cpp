#include "engine/frame.h"

#include "engine/colour.h"
#include "engine/overlay.h"
#include "platform/canvas.h"
#include "settings/settings.h"

namespace {
CanvasPixel Opaque(const QString& text) {
    const RgbColour colour = ParseColour(text);
    return {colour.red, colour.green, colour.blue, 255};
}

// Plain decimal integers; a negative value keeps its own sign, so it may
// follow a fixed minus sign.
QString N(qint64 value) {
    return QString::number(value);
}
}  // namespace

std::array<QString, 4> FrameBandPaths(int width, int height, int left, int right, int top, int bottom) {
    const qint64 W = width, H = height, L = left, R = right, T = top, B = bottom;
    return {
        "M 0 0 l " + N(W) + " 0 l -" + N(R) + " " + N(T) + " l -" + N(W - L - R) + " 0 Z",
        "M " + N(W) + " 0 l 0 " + N(H) + " l -" + N(R) + " -" + N(B) + " l 0 -" + N(H - T - B) + " Z",
        "M " + N(W) + " " + N(H) + " l -" + N(W) + " 0 l " + N(L) + " -" + N(B) + " l " + N(W - L - R) + " 0 Z",
        "M 0 " + N(H) + " l 0 -" + N(H) + " l " + N(L) + " " + N(T) + " l 0 " + N(H - T - B) + " Z",
    };
}

FIBITMAP* DrawFrame(FIBITMAP* image, int width, int height) {
    const auto& frame = ConversionSettings.frame;
    if (!image || frame.doFrame == 0) return image;
    image = ToTwentyFourBits(image);
    if (!image || frame.doFrame != 1) return image;

    Canvas* bands = CreateCanvas(width, height);
    if (!bands) return image;
    const CanvasPixel top = Opaque(frame.solidTopColor);
    const CanvasPixel right = Opaque(frame.solidRightColor);
    const CanvasPixel bottom = Opaque(frame.solidBottomColor);
    const CanvasPixel left = Opaque(frame.solidLeftColor);
    const int L = frame.solidLeft, R = frame.solidRight, T = frame.solidTop, B = frame.solidBottom;

    // Corners first: under the antialiased mitre the corner's colour shows
    // instead of a transparent seam.
    FillRectangle(bands, 0, 0, L, T, top);
    FillRectangle(bands, double(width) - R, 0, R, T, right);
    FillRectangle(bands, double(width) - R, double(height) - B, R, B, bottom);
    FillRectangle(bands, 0, double(height) - B, L, B, left);
    const std::array<QString, 4> paths = FrameBandPaths(width, height, L, R, T, B);
    const CanvasPixel colours[4] = {top, right, bottom, left};
    for (int band = 0; band < 4; ++band) FillPathText(bands, paths[band], colours[band]);

    Canvas* blend = CreateCanvas(width, height);
    FIBITMAP* overlay = nullptr;
    if (blend) {
        DrawCanvas(blend, bands, frame.solidOpacity);
        overlay = CanvasToBitmap(blend);
    }
    image = CompositeOverlay(overlay, image);
    if (overlay) FreeImage_Unload(overlay);
    ReleaseCanvas(blend);
    ReleaseCanvas(bands);
    return image;
}
