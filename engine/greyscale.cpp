#include "engine/greyscale.h"

FIBITMAP* GreyscaleImage(FIBITMAP* image) { return image; }
