#include "engine/watermark.h"

FIBITMAP* DrawWatermark(FIBITMAP* image, int /*width*/, int /*height*/) { return image; }
