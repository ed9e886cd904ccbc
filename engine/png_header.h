#pragma once
#include <QByteArray>
#include <cstdint>

// Signature, IHDR length and type, width and height.
constexpr int kPngHeadBytes = 24;
constexpr int64_t kMaxImageSide = 30000;
// DevIL keeps file offsets in signed 32-bit integers.
constexpr int64_t kMaxPsdBytes = 2147483647;

// Width and height from the IHDR chunk at the start of a PNG file; false
// when the bytes are not the start of a PNG or a side is 0 or above 2^31-1.
bool ReadPngSize(const QByteArray& head, int64_t* width, int64_t* height);
// Size of the uncompressed PSD that DevIL writes for a 32-bit image.
int64_t PsdFileBytes(int64_t width, int64_t height);
// True when neither side passes 30000 pixels and the PSD fits the limit.
bool FitsPsdLimits(int64_t width, int64_t height);
