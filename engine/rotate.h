#pragma once
#include <FreeImage.h>

// Turns the image by the rotation settings; releases the input when it makes
// a new image. Returns the input unchanged while rotation is not built yet.
FIBITMAP* RotateImage(FIBITMAP* image);
