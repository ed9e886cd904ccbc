#include "engine/adjust_colours.h"

FIBITMAP* AdjustColours(FIBITMAP* image) { return image; }
