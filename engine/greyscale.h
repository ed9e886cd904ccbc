#pragma once
#include <FreeImage.h>

// An 8-bit grey copy when greyscale is on; releases the input when it makes
// a new image. Pass-through for now.
FIBITMAP* GreyscaleImage(FIBITMAP* image);
