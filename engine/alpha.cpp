#include "engine/alpha.h"

namespace {
// Releases image when converted is a new image.
FIBITMAP* Replace(FIBITMAP* image, FIBITMAP* converted) {
    if (converted != image) FreeImage_Unload(image);
    return converted;
}

bool IsPlainBitmap(FIBITMAP* image, unsigned bpp) {
    return FreeImage_GetImageType(image) == FIT_BITMAP && FreeImage_GetBPP(image) == bpp;
}
}  // namespace

bool HasTransparency(FIBITMAP* image) {
    return FreeImage_IsTransparent(image) != FALSE;
}

FIBITMAP* ToTrueColour(FIBITMAP* image) {
    if (!image) return nullptr;
    // FreeImage widens 16-bit grey to nothing but 8 bits.
    if (FreeImage_GetImageType(image) == FIT_UINT16) {
        image = Replace(image, FreeImage_ConvertTo8Bits(image));
        if (!image) return nullptr;
    }
    if (HasTransparency(image))
        return IsPlainBitmap(image, 32) ? image : Replace(image, FreeImage_ConvertTo32Bits(image));
    return IsPlainBitmap(image, 24) ? image : Replace(image, FreeImage_ConvertTo24Bits(image));
}

FIBITMAP* CarryAlpha(FIBITMAP* result, FIBITMAP* source) {
    if (!result) return nullptr;
    FIBITMAP* sourceAlpha = nullptr;
    if (IsPlainBitmap(source, 32)) {
        sourceAlpha = FreeImage_GetChannel(source, FICC_ALPHA);
    } else {
        FIBITMAP* wide = FreeImage_ConvertTo32Bits(source);
        if (wide) sourceAlpha = FreeImage_GetChannel(wide, FICC_ALPHA);
        FreeImage_Unload(wide);
    }
    FIBITMAP* wideResult = IsPlainBitmap(result, 32) ? result : Replace(result, FreeImage_ConvertTo32Bits(result));
    const bool carried = sourceAlpha && wideResult && FreeImage_SetChannel(wideResult, sourceAlpha, FICC_ALPHA);
    FreeImage_Unload(sourceAlpha);
    if (carried) return wideResult;
    FreeImage_Unload(wideResult);
    return nullptr;
}
