#include "platform/image_codec.h"

#include <jpeglib.h>
#include <png.h>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/file_head.h"

namespace {
// Straight RGBA rows, top-down, of a whole canvas.
std::vector<uint8_t> CanvasRgba(const Canvas* canvas) {
    const int width = CanvasWidth(canvas);
    const int height = CanvasHeight(canvas);
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    size_t at = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const CanvasPixel p = CanvasPixelAt(canvas, x, y);
            rgba[at++] = p.red;
            rgba[at++] = p.green;
            rgba[at++] = p.blue;
            rgba[at++] = p.alpha;
        }
    return rgba;
}

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void JpegQuiet(j_common_ptr, int) {}

// Kept free of objects with destructors, since libjpeg leaves by longjmp.
bool ReadJpeg(const unsigned char* data, unsigned long size, std::vector<uint8_t>* rgb, int* width, int* height,
              int* components) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegFail;
    error.manager.emit_message = JpegQuiet;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    *components = info.num_components;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    rgb->resize(static_cast<size_t>(*width) * *height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb->data() + static_cast<size_t>(info.output_scanline) * *width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
}  // namespace

QByteArray EncodePng(const Canvas* canvas) {
    if (!canvas) return {};
    const std::vector<uint8_t> rgba = CanvasRgba(canvas);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(CanvasWidth(canvas));
    image.height = static_cast<png_uint_32>(CanvasHeight(canvas));
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, rgba.data(), 0, nullptr)) return {};
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba.data(), 0, nullptr)) return {};
    bytes.truncate(static_cast<qsizetype>(size));
    return bytes;
}

Canvas* DecodePng(const QByteArray& bytes, int* bitsPerPixel) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.constData(), static_cast<size_t>(bytes.size()))) return nullptr;
    const bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return nullptr;
    }
    if (bitsPerPixel) *bitsPerPixel = alpha ? 32 : 24;
    const int width = static_cast<int>(image.width);
    return CreateCanvasFromRgba(width, static_cast<int>(image.height), rgba.data(), width * 4);
}

Canvas* DecodeJpeg(const QByteArray& bytes, int* bitsPerPixel) {
    std::vector<uint8_t> rgb;
    int width = 0, height = 0, components = 0;
    if (bytes.isEmpty() || !ReadJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                     static_cast<unsigned long>(bytes.size()), &rgb, &width, &height, &components))
        return nullptr;
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0, o = 0; i < rgb.size(); i += 3, o += 4) {
        rgba[o] = rgb[i];
        rgba[o + 1] = rgb[i + 1];
        rgba[o + 2] = rgb[i + 2];
        rgba[o + 3] = 255;
    }
    if (bitsPerPixel) *bitsPerPixel = components == 1 ? 8 : 24;
    return CreateCanvasFromRgba(width, height, rgba.data(), width * 4);
}

Canvas* LoadImageFile(const QString& path, int* bitsPerPixel) {
    if (path.isEmpty()) return nullptr;
    QByteArray bytes;
    if (!ReadWholeFile(path, &bytes)) return nullptr;
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) return DecodePng(bytes, bitsPerPixel);
    if (bytes.startsWith("\xff\xd8\xff")) return DecodeJpeg(bytes, bitsPerPixel);
    return nullptr;
}
