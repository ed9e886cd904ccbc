#include "engine/tone_map.h"

FIBITMAP* ToneMapImage(FIBITMAP* image) {
    if (!image) return nullptr;
    FIBITMAP* result = image;
    // Deep PNGs are plain integer samples: tone mapping them would change
    // every colour and lose the alpha channel, so only floats are mapped.
    switch (FreeImage_GetImageType(image)) {
        case FIT_RGB16:
            result = FreeImage_ConvertTo24Bits(image);
            break;
        case FIT_RGBA16:
            result = FreeImage_ConvertTo32Bits(image);
            break;
        case FIT_UINT16:
            result = FreeImage_ConvertTo8Bits(image);
            break;
        case FIT_FLOAT:
        case FIT_RGBF:
        case FIT_RGBAF:
            result = FreeImage_TmoDrago03(image, 1.0, 0.0);
            break;
        default:
            return image;
    }
    FreeImage_Unload(image);
    return result;
}
