#pragma once
#include <FreeImage.h>

// Helpers for the stages that must change an image's kind without losing
// its transparency.

// True when a pixel is less than opaque or the palette holds transparency.
bool HasTransparency(FIBITMAP* image);

// The image as 8 bits per channel: 32 bits when it has transparency, else
// 24 bits. Deep grey keeps the high byte of each sample. Releases the input
// when it makes a new image; no image when the conversion fails.
FIBITMAP* ToTrueColour(FIBITMAP* image);

// The result widened to 32 bits with the alpha of source, which stays the
// caller's. Releases result when it makes a new image.
FIBITMAP* CarryAlpha(FIBITMAP* result, FIBITMAP* source);
