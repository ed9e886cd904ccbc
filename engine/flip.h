#pragma once
#include <FreeImage.h>

// Mirrors the image in place: left to right when "Do Image Flip Horizontal"
// is on, then top to bottom when "Do Image Flip Vertical" is on.
void FlipImage(FIBITMAP* image);
