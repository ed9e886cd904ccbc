#pragma once
#include <FreeImage.h>

// Mirrors the image in place on the axes the settings name. Does nothing yet.
void FlipImage(FIBITMAP* image);
