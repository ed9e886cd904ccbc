#pragma once
#include <FreeImage.h>

// Brings deep images to 8 bits per channel: 16-bit RGB, RGBA and grey keep
// the high byte of every sample (alpha too), floating-point images are
// tone-mapped. Other images pass unchanged. Releases the input when it makes
// a new image.
FIBITMAP* ToneMapImage(FIBITMAP* image);
