#include "engine/adjust_colours.h"

#include "engine/alpha.h"
#include "settings/settings.h"

FIBITMAP* AdjustColours(FIBITMAP* image) {
    const auto& adjustment = ConversionSettings.adjustment;
    if (!image || !adjustment.doImageColorCorrection) return image;
    // FreeImage adjusts 8-, 24- and 32-bit images only (8-bit ones through
    // their palette).
    const unsigned bpp = FreeImage_GetBPP(image);
    if (FreeImage_GetImageType(image) != FIT_BITMAP || bpp < 8 || bpp > 32) {
        image = ToTrueColour(image);
        if (!image) return nullptr;
    }
    // A failed adjustment leaves the image as it was, which is still an image.
    FreeImage_AdjustColors(image, adjustment.imageBrightness, adjustment.imageContrast, adjustment.imageGamma,
                           adjustment.imageInvert ? TRUE : FALSE);
    return image;
}
