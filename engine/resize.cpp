#include "engine/resize.h"

#include <cmath>
#include <limits>

#include "engine/png_header.h"
#include "settings/settings.h"

namespace {
int32_t Saturate(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// The longer side decides; the shorter follows through the side ratio, which
// is kept as a 32-bit float, and rounds half away from zero. Never below one
// pixel, so a thin strip still yields an image.
int32_t FollowingSide(int32_t target, int32_t longer, int32_t shorter) {
    const float ratio = static_cast<float>(longer) / static_cast<float>(shorter);
    const float side = static_cast<float>(target) / ratio;
    const double rounded = std::floor(static_cast<double>(side) + 0.5);
    if (rounded < 1.0) return 1;
    // The float quotient of a huge target may round above the target itself.
    return rounded >= target ? target : static_cast<int32_t>(rounded);
}
}  // namespace

int32_t ScaleToPixels(int32_t value, int32_t unit, int32_t currentSize) {
    if (unit == kUnitPixels) return value;
    if (unit != kUnitPercent) return 0;
    // In whole numbers, so that a share that is exactly half a pixel is seen
    // as one: in doubles 35% of 90 comes out just below 31.5.
    const int64_t hundredths = static_cast<int64_t>(value) * currentSize;
    int64_t pixels = hundredths / 100;
    const int64_t rest = hundredths % 100;
    const bool odd = pixels % 2 != 0;
    if (rest > 50 || (rest == 50 && odd)) ++pixels;
    if (rest < -50 || (rest == -50 && odd)) --pixels;
    return Saturate(pixels);
}

bool ResizedSize(int32_t width, int32_t height, const ResizeRules& rules, int32_t* newWidth, int32_t* newHeight) {
    if (width <= 0 || height <= 0) return false;
    const int32_t targetWidth = ScaleToPixels(rules.width, rules.widthUnit, width);
    const int32_t targetHeight = ScaleToPixels(rules.height, rules.heightUnit, height);
    if (targetWidth <= 0 || targetHeight <= 0) return false;
    if (targetWidth == width && targetHeight == height) return false;
    if (rules.resizeType == kResizeLargeImages && width < targetWidth && height < targetHeight) return false;
    if (!rules.keepAspectRatio) {
        *newWidth = targetWidth;
        *newHeight = targetHeight;
    } else if (width >= height) {
        *newWidth = targetWidth;
        *newHeight = FollowingSide(targetWidth, width, height);
    } else {
        *newHeight = targetHeight;
        *newWidth = FollowingSide(targetHeight, height, width);
    }
    // Rescaling to the same size would still filter, and so soften, the image.
    return *newWidth != width || *newHeight != height;
}

FREE_IMAGE_FILTER ResizeFilter() {
    switch (ConversionSettings.transform.imageResizeAlgorithm) {
        case 0:
            return FILTER_BOX;
        case 1:
            return FILTER_BILINEAR;
        case 2:
            return FILTER_BSPLINE;
        case 3:
            return FILTER_BICUBIC;
        case 4:
            return FILTER_CATMULLROM;
        case 5:
            return FILTER_LANCZOS3;
        default:
            return FILTER_BICUBIC;
    }
}

FIBITMAP* ResizeImage(FIBITMAP* image, int width, int height) {
    const auto& transform = ConversionSettings.transform;
    if (!image || !transform.doImageResize) return image;
    const ResizeRules rules{transform.imageWidth,      transform.imageWidthUnit,       transform.imageHeight,
                            transform.imageHeightUnit, transform.keepAspectRatio != 0, transform.imageResizeType};
    int32_t newWidth = 0;
    int32_t newHeight = 0;
    if (!ResizedSize(width, height, rules, &newWidth, &newHeight)) return image;
    // An image too large for a PSD could never be written; making it could
    // take all the memory there is.
    if (!FitsPsdLimits(newWidth, newHeight)) {
        FreeImage_Unload(image);
        return nullptr;
    }
    FIBITMAP* result = FreeImage_Rescale(image, newWidth, newHeight, ResizeFilter());
    FreeImage_Unload(image);
    return result;
}
