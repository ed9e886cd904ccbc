#pragma once
#include <FreeImage.h>

// Paints the frame bands inside the edges of the image of the given size;
// releases the input when it makes a new image. Pass-through for now.
FIBITMAP* DrawFrame(FIBITMAP* image, int width, int height);
