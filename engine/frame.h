#pragma once
#include <FreeImage.h>
#include <QString>
#include <array>

// Paints the four frame bands inside the edges of the image of the given
// size, mitred at the corners, at the frame's opacity. The image keeps its
// size and comes back as 24 bits whenever the frame is on; releases the
// input when it makes a new image.
FIBITMAP* DrawFrame(FIBITMAP* image, int width, int height);

// The path texts of the top, right, bottom and left bands of a frame with
// the band widths left, right, top and bottom on an image of that size.
std::array<QString, 4> FrameBandPaths(int width, int height, int left, int right, int top, int bottom);
