#pragma once
#include <FreeImage.h>
#include <cstdint>

// Codes of "Image Width Unit" and "Image Height Unit".
constexpr int32_t kUnitPixels = 0;
constexpr int32_t kUnitPercent = 1;
// Codes of "Image Resize Type".
constexpr int32_t kResizeAllImages = 0;
constexpr int32_t kResizeLargeImages = 1;

// A target dimension in pixels: the value itself for pixels, the share of the
// current size for percent (nearest, halves to even), 0 for any other unit.
int32_t ScaleToPixels(int32_t value, int32_t unit, int32_t currentSize);

// The resize settings the size rules read.
struct ResizeRules {
    int32_t width = 0;
    int32_t widthUnit = kUnitPixels;
    int32_t height = 0;
    int32_t heightUnit = kUnitPixels;
    bool keepAspectRatio = false;
    int32_t resizeType = kResizeAllImages;
};

// The size an image of width x height is scaled to; false when it keeps its
// size (a target not positive, the same size, or a small image that only
// large images are resized).
bool ResizedSize(int32_t width, int32_t height, const ResizeRules& rules, int32_t* newWidth, int32_t* newHeight);

// The FreeImage filter of "Image Resize Algorithm"; bicubic for unknown codes.
FREE_IMAGE_FILTER ResizeFilter();

// Scales the image (of the given current size) to the resize settings;
// releases the input when it makes a new image. Yields no image when the new
// size is beyond what a PSD file can hold.
FIBITMAP* ResizeImage(FIBITMAP* image, int width, int height);
