#pragma once
#include <QString>

#include "platform/canvas.h"

// A watermark picture file (PNG, JPEG or BMP) on a canvas, with the bits
// per pixel of the file; null when it cannot be read.
Canvas* LoadWatermarkPicture(const QString& path, int* bitsPerPixel);
