#pragma once
#include <FreeImage.h>

// Brightness, contrast, gamma and invert from the adjustment settings;
// releases the input when it makes a new image. Pass-through for now.
FIBITMAP* AdjustColours(FIBITMAP* image);
