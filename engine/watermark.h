#pragma once
#include <FreeImage.h>

// Draws the watermark text or picture onto the image of the given size;
// releases the input when it makes a new image. Pass-through for now.
FIBITMAP* DrawWatermark(FIBITMAP* image, int width, int height);
