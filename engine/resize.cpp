#include "engine/resize.h"

FIBITMAP* ResizeImage(FIBITMAP* image, int /*width*/, int /*height*/) { return image; }
