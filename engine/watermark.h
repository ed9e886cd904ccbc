#pragma once
#include <FreeImage.h>

// Lays the watermark text (in the watermark font) or picture over the image
// of the given size, placed, rotated and cropped by the settings. The image
// comes back as 24 bits whenever a watermark is asked for, also when none
// can be made; releases the input when it makes a new image.
FIBITMAP* DrawWatermark(FIBITMAP* image, int width, int height);
