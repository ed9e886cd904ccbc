#include "engine/rotate.h"

FIBITMAP* RotateImage(FIBITMAP* image) { return image; }
