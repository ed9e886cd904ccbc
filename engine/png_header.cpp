#include "engine/png_header.h"

namespace {
int64_t BigEndian32(const QByteArray& bytes, int at) {
    int64_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}
}  // namespace

bool ReadPngSize(const QByteArray& head, int64_t* width, int64_t* height) {
    static const char kStart[] = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR";
    if (head.size() < kPngHeadBytes) return false;
    if (!head.startsWith(QByteArray(kStart, sizeof kStart - 1))) return false;
    const int64_t w = BigEndian32(head, 16);
    const int64_t h = BigEndian32(head, 20);
    if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) return false;
    *width = w;
    *height = h;
    return true;
}

int64_t PsdFileBytes(int64_t width, int64_t height) {
    // Header 26, empty colour-mode, resource and layer sections 4 each,
    // compression word 2, then four planes of one byte per pixel.
    return 40 + 4 * width * height;
}

bool FitsPsdLimits(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) return false;
    if (width > kMaxImageSide || height > kMaxImageSide) return false;
    return PsdFileBytes(width, height) <= kMaxPsdBytes;
}
