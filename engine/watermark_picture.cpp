#include "engine/watermark_picture.h"

#include <FreeImage.h>
#include <vector>

#include "platform/image_codec.h"
#include "platform/native_text.h"

namespace {
// BMP is FreeImage's: the drawing services read PNG and JPEG only.
Canvas* LoadBmp(const QString& path, int* bitsPerPixel) {
    const QByteArray name = EncodeNativeText(path);
    if (FreeImage_GetFileType(name.constData(), 0) != FIF_BMP) return nullptr;
    FIBITMAP* bitmap = FreeImage_Load(FIF_BMP, name.constData(), 0);
    if (!bitmap) return nullptr;
    const int bpp = static_cast<int>(FreeImage_GetBPP(bitmap));
    FIBITMAP* wide = FreeImage_ConvertTo32Bits(bitmap);
    FreeImage_Unload(bitmap);
    if (!wide) return nullptr;
    const int width = static_cast<int>(FreeImage_GetWidth(wide));
    const int height = static_cast<int>(FreeImage_GetHeight(wide));
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        // FreeImage keeps rows bottom-up and pixels blue first.
        const BYTE* in = FreeImage_GetScanLine(wide, height - 1 - y);
        uint8_t* out = rgba.data() + static_cast<size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x, in += 4, out += 4) {
            out[0] = in[FI_RGBA_RED];
            out[1] = in[FI_RGBA_GREEN];
            out[2] = in[FI_RGBA_BLUE];
            out[3] = bpp == 32 ? in[FI_RGBA_ALPHA] : 255;
        }
    }
    FreeImage_Unload(wide);
    if (bitsPerPixel) *bitsPerPixel = bpp;
    return CreateCanvasFromRgba(width, height, rgba.data(), width * 4);
}
}  // namespace

Canvas* LoadWatermarkPicture(const QString& path, int* bitsPerPixel) {
    if (path.isEmpty()) return nullptr;
    Canvas* picture = LoadImageFile(path, bitsPerPixel);
    return picture ? picture : LoadBmp(path, bitsPerPixel);
}
