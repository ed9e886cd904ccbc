#pragma once
#include <FreeImage.h>

#include "platform/canvas.h"

// The bridge between the drawing canvases and FreeImage, shared by the frame
// and the watermark.

// The image as 24 bits; releases the input when it converts. Null when the
// conversion fails.
FIBITMAP* ToTwentyFourBits(FIBITMAP* image);
// A 32-bit bitmap with straight alpha holding the canvas, by way of an
// in-memory PNG; null when that fails.
FIBITMAP* CanvasToBitmap(const Canvas* canvas);
// The 32-bit overlay laid over the 24-bit image by its alpha. Returns the
// new image and releases the old one; keeps the image when FreeImage cannot
// composite (an overlay of another size, say). The overlay stays the caller's.
FIBITMAP* CompositeOverlay(FIBITMAP* overlay, FIBITMAP* image);
