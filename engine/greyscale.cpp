#include "engine/greyscale.h"

#include "engine/alpha.h"
#include "settings/settings.h"

FIBITMAP* GreyscaleImage(FIBITMAP* image) {
    if (!image || !ConversionSettings.adjustment.doImageGreyscale) return image;
    if (FreeImage_GetImageType(image) != FIT_BITMAP || FreeImage_GetBPP(image) > 32) {
        image = ToTrueColour(image);
        if (!image) return nullptr;
    }
    FIBITMAP* result = FreeImage_ConvertToGreyscale(image);
    // An 8-bit grey image has no alpha: transparent areas would turn opaque.
    if (result && HasTransparency(image)) result = CarryAlpha(result, image);
    FreeImage_Unload(image);
    return result;
}
