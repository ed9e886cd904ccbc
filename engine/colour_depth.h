#pragma once
#include <FreeImage.h>
#include <QString>
#include <cstdint>

// The first allowed depth of the output format that is not below the source
// depth, else the last one; 0 when the format lists none.
int32_t AutoBitDepth(const QString& format, int32_t sourceDepth);
// Brings the image to the job's output bit depth (chosen from the source
// depth first when automatic depth is set). An unknown depth yields no
// image. Releases the input when it makes a new image.
FIBITMAP* ConvertColourDepth(FIBITMAP* image);
