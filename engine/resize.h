#pragma once
#include <FreeImage.h>

// Scales the image (of the given current size) to the resize settings;
// releases the input when it makes a new image. Pass-through for now.
FIBITMAP* ResizeImage(FIBITMAP* image, int width, int height);
