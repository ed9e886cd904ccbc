#include "engine/rotate.h"

#include "engine/alpha.h"
#include "engine/colour.h"
#include "settings/settings.h"

namespace {
bool IsRotatable(FIBITMAP* image) {
    const unsigned bpp = FreeImage_GetBPP(image);
    return FreeImage_GetImageType(image) == FIT_BITMAP && (bpp == 24 || bpp == 32);
}
}  // namespace

FIBITMAP* RotateImage(FIBITMAP* image) {
    const auto& transform = ConversionSettings.transform;
    if (!image || !transform.doImageRotation) return image;
    const int32_t angle = transform.imageRotation;
    if (angle < 1 || angle > 359) return image;
    // FreeImage turns only true-colour images by any angle; the conversion
    // keeps transparency, so a transparent palette or deep image stays so.
    if (!IsRotatable(image)) {
        image = ToTrueColour(image);
        if (!image) return nullptr;
    }

    FIBITMAP* result = nullptr;
    if (transform.imageRotationType == kRotationSimple) {
        const RgbColour back = ParseColour(transform.imageRotationBackColor);
        const RGBQUAD background{back.blue, back.green, back.red, 0};
        result = FreeImage_Rotate(image, angle, &background);
    } else if (transform.imageRotationType == kRotationAdvanced) {
        const double width = FreeImage_GetWidth(image);
        const double height = FreeImage_GetHeight(image);
        result = FreeImage_RotateEx(image, angle, 0.0, 0.0, width / 2.0, height / 2.0, FALSE);
    } else {
        return image;
    }
    FreeImage_Unload(image);
    return result;
}
