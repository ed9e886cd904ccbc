#pragma once
#include <FreeImage.h>

// A grey copy when "Do Image Greyscale" is on: 8 bits, or 32 bits with the
// alpha of a transparent image; otherwise returns the input unchanged.
// Releases the input when it makes a new image.
FIBITMAP* GreyscaleImage(FIBITMAP* image);
