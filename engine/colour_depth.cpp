#include "engine/colour_depth.h"

#include <QStringList>

#include "batch/job.h"
#include "settings/formats.h"

namespace {
// True when the image is already the kind of image that depth stands for;
// a 32-bit float grey image is not a 32-bit colour image.
bool HasDepth(FIBITMAP* image, int32_t depth) {
    if (static_cast<int32_t>(FreeImage_GetBPP(image)) != depth) return false;
    const FREE_IMAGE_TYPE type = FreeImage_GetImageType(image);
    if (depth == 48) return type == FIT_RGB16;
    if (depth == 96) return type == FIT_RGBF;
    return type == FIT_BITMAP;
}

// Replaces image by converted, releasing image when a new one was made.
FIBITMAP* Replace(FIBITMAP* image, FIBITMAP* converted) {
    if (converted != image) FreeImage_Unload(image);
    return converted;
}

FIBITMAP* To24Bits(FIBITMAP* image) {
    if (HasDepth(image, 24)) return image;
    return Replace(image, FreeImage_ConvertTo24Bits(image));
}
}  // namespace

int32_t AutoBitDepth(const QString& format, int32_t sourceDepth) {
    const QStringList entries = OutputBitDepths(format).split(',', Qt::SkipEmptyParts);
    int32_t depth = 0;
    for (const QString& entry : entries) {
        depth = static_cast<int8_t>(entry.trimmed().toInt());
        if (depth >= sourceDepth) return depth;
    }
    return depth;
}

FIBITMAP* ConvertColourDepth(FIBITMAP* image) {
    if (!image) return nullptr;
    ConversionJobRecord& job = ConversionJob;
    if (job.automaticDepth) job.outputBitDepth = AutoBitDepth(job.conversionType, job.sourceBitDepth);
    const int32_t depth = job.outputBitDepth;
    if (HasDepth(image, depth)) return image;
    const QString& type = job.conversionType;
    switch (depth) {
        case 96:
            return Replace(image, FreeImage_ConvertToRGBF(image));
        case 48:
            return Replace(image, FreeImage_ConvertToRGB16(image));
        case 32:
            return Replace(image, FreeImage_ConvertTo32Bits(image));
        case 24:
            return Replace(image, FreeImage_ConvertTo24Bits(image));
        case 16:
            if (FreeImage_GetBPP(image) > 32) {
                image = Replace(image, FreeImage_ConvertTo24Bits(image));
                if (!image) return nullptr;
            }
            if (type == "ico" || type == "tga") return Replace(image, FreeImage_ConvertTo16Bits555(image));
            return Replace(image, FreeImage_ConvertTo16Bits565(image));
        case 8:
            if (type == "j2k" || type == "jp2" || type == "jpg" || type == "jxr")
                return Replace(image, FreeImage_ConvertTo8Bits(image));
            image = To24Bits(image);
            if (!image) return nullptr;
            return Replace(image, FreeImage_ColorQuantizeEx(image, FIQ_WUQUANT, 256, 0, nullptr));
        case 4:
            return Replace(image, FreeImage_ConvertTo4Bits(image));
        case 1:
            return Replace(image, FreeImage_Dither(image, FID_FS));
        default:
            FreeImage_Unload(image);
            return nullptr;
    }
}
