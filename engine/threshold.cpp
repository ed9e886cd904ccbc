#include "engine/threshold.h"

#include <cstdint>

#include "engine/alpha.h"
#include "settings/settings.h"

FIBITMAP* ThresholdImage(FIBITMAP* image) {
    const auto& adjustment = ConversionSettings.adjustment;
    if (!image || !adjustment.doImageThreshold) return image;
    if (FreeImage_GetImageType(image) != FIT_BITMAP || FreeImage_GetBPP(image) > 32) {
        image = ToTrueColour(image);
        if (!image) return nullptr;
    }
    const auto level = static_cast<BYTE>(static_cast<uint32_t>(adjustment.imageThreshold) & 0xFFu);
    FIBITMAP* result = FreeImage_Threshold(image, level);
    // A 1-bit image has no alpha: transparent areas would turn opaque.
    if (result && HasTransparency(image)) result = CarryAlpha(result, image);
    FreeImage_Unload(image);
    return result;
}
