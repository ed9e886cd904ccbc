#include "engine/threshold.h"

FIBITMAP* ThresholdImage(FIBITMAP* image) { return image; }
