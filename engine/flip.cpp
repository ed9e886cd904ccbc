#include "engine/flip.h"

#include "settings/settings.h"

void FlipImage(FIBITMAP* image) {
    if (!image) return;
    const auto& transform = ConversionSettings.transform;
    if (transform.doImageFlipHorizontal) FreeImage_FlipHorizontal(image);
    if (transform.doImageFlipVertical) FreeImage_FlipVertical(image);
}
