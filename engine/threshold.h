#pragma once
#include <FreeImage.h>

// Black and white cut at "Image Threshold" (its low 8 bits) when "Do Image
// Threshold" is on: 1 bit, or 32 bits with the alpha of a transparent image;
// otherwise returns the input unchanged. Releases the input when it makes a
// new image.
FIBITMAP* ThresholdImage(FIBITMAP* image);
