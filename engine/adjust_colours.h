#pragma once
#include <FreeImage.h>

// Brightness, contrast, gamma and invert from the adjustment settings when
// colour correction is on; otherwise returns the input unchanged. Releases the
// input when it makes a new image.
FIBITMAP* AdjustColours(FIBITMAP* image);
