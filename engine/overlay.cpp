#include "engine/overlay.h"

#include "platform/image_codec.h"

FIBITMAP* ToTwentyFourBits(FIBITMAP* image) {
    if (!image || FreeImage_GetBPP(image) == 24) return image;
    FIBITMAP* converted = FreeImage_ConvertTo24Bits(image);
    FreeImage_Unload(image);
    return converted;
}

FIBITMAP* CanvasToBitmap(const Canvas* canvas) {
    QByteArray png = EncodePng(canvas);
    if (png.isEmpty()) return nullptr;
    FIMEMORY* stream = FreeImage_OpenMemory(reinterpret_cast<BYTE*>(png.data()), static_cast<DWORD>(png.size()));
    if (!stream) return nullptr;
    FIBITMAP* bitmap = FreeImage_LoadFromMemory(FIF_PNG, stream, 0);
    FreeImage_CloseMemory(stream);
    return bitmap;
}

FIBITMAP* CompositeOverlay(FIBITMAP* overlay, FIBITMAP* image) {
    if (!overlay || !image) return image;
    FIBITMAP* result = FreeImage_Composite(overlay, FALSE, nullptr, image);
    if (!result) return image;
    FreeImage_Unload(image);
    return result;
}
