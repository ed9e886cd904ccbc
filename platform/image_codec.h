#pragma once
#include <QByteArray>
#include <QString>

#include "platform/canvas.h"

// PNG files hold straight alpha; these convert to and from the canvas's own
// keeping so that translucent colours survive the trip.

// An 8-bit RGBA PNG of the canvas; empty when encoding fails.
QByteArray EncodePng(const Canvas* canvas);
// Null when the bytes are not a readable PNG. bitsPerPixel is 32 for a file
// with alpha (an alpha channel or a transparency chunk), 24 otherwise.
Canvas* DecodePng(const QByteArray& bytes, int* bitsPerPixel);
// Opaque; bitsPerPixel 24 for colour, 8 for grey files.
Canvas* DecodeJpeg(const QByteArray& bytes, int* bitsPerPixel);
// A PNG or JPEG file, told apart by its first bytes; null for anything else.
Canvas* LoadImageFile(const QString& path, int* bitsPerPixel);
