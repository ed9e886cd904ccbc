#include "engine/frame.h"

FIBITMAP* DrawFrame(FIBITMAP* image, int /*width*/, int /*height*/) { return image; }
