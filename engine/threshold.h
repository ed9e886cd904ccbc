#pragma once
#include <FreeImage.h>

// A 1-bit image cut at the threshold setting when threshold is on; releases
// the input when it makes a new image. Pass-through for now.
FIBITMAP* ThresholdImage(FIBITMAP* image);
