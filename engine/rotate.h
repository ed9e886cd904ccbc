#pragma once
#include <FreeImage.h>
#include <cstdint>

// Codes of "Image Rotation Type".
constexpr int32_t kRotationSimple = 0;
constexpr int32_t kRotationAdvanced = 1;

// Turns the image by "Image Rotation" degrees when rotation is on and the
// angle is within 1..359; otherwise returns the input unchanged. Releases the
// input when it makes a new image.
FIBITMAP* RotateImage(FIBITMAP* image);
