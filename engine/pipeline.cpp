#include "engine/pipeline.h"

#include <FreeImage.h>
#include <IL/il.h>
#include <IL/ilu.h>

#include "batch/job.h"
#include "batch/output_naming.h"
#include "engine/adjust_colours.h"
#include "engine/colour_depth.h"
#include "engine/devil_errors.h"
#include "engine/flip.h"
#include "engine/frame.h"
#include "engine/greyscale.h"
#include "engine/png_header.h"
#include "engine/psd_output.h"
#include "engine/resize.h"
#include "engine/rotate.h"
#include "engine/threshold.h"
#include "engine/tone_map.h"
#include "engine/watermark.h"
#include "platform/file_head.h"
#include "platform/file_ops.h"
#include "platform/interrupt.h"
#include "platform/native_text.h"

// The raw-bits export copies FreeImage's rows as they are; they are the BGRA
// bytes DevIL is told to expect only when the library keeps blue first.
static_assert(FI_RGBA_RED == 2 && FI_RGBA_GREEN == 1 && FI_RGBA_BLUE == 0 && FI_RGBA_ALPHA == 3,
              "FreeImage must store pixels as BGRA");

namespace {
int Width(FIBITMAP* image) {
    return static_cast<int>(FreeImage_GetWidth(image));
}
int Height(FIBITMAP* image) {
    return static_cast<int>(FreeImage_GetHeight(image));
}

// Makes a bound DevIL image of the 32-bit bitmap's size and exports the
// bottom-up BGRA rows straight into it, so no third copy of the pixels is
// ever made. Returns the image name, or 0 when DevIL cannot take it.
ILuint MakeDevilImage(FIBITMAP* image) {
    const int width = Width(image);
    const int height = Height(image);
    ClearDevilErrors();
    ilEnable(IL_FILE_OVERWRITE);
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    const ILint depth = ilGetInteger(IL_IMAGE_DEPTH);
    const bool made = ilTexImage(static_cast<ILuint>(width), static_cast<ILuint>(height), static_cast<ILuint>(depth), 4,
                                 IL_BGRA, IL_UNSIGNED_BYTE, nullptr) == IL_TRUE;
    ILubyte* pixels = made && ClearDevilErrors() ? ilGetData() : nullptr;
    if (pixels && ilGetInteger(IL_IMAGE_BPP) == 4 && ilGetInteger(IL_IMAGE_WIDTH) == width &&
        ilGetInteger(IL_IMAGE_HEIGHT) == height) {
        FreeImage_ConvertToRawBits(pixels, image, width * 4, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK,
                                   FI_RGBA_BLUE_MASK, FALSE);
        iluBuildMipmaps();
        if (ClearDevilErrors()) return name;
    }
    ilDeleteImages(1, &name);
    ClearDevilErrors();
    return 0;
}

// From the last stage's image to the PSD at its final name. Takes the image.
ConvertError WriteImage(FIBITMAP* image) {
    if (!FitsPsdLimits(Width(image), Height(image))) {
        FreeImage_Unload(image);
        return ConvertError::TooLarge;
    }
    // DevIL is given 32-bit pixels whatever depth the output format asked for.
    if (FreeImage_GetImageType(image) != FIT_BITMAP || FreeImage_GetBPP(image) != 32) {
        FIBITMAP* wide = FreeImage_ConvertTo32Bits(image);
        FreeImage_Unload(image);
        image = wide;
        if (!image) return ConvertError::StageFailed;
    }
    const int width = Width(image);
    const int height = Height(image);
    const ILuint name = MakeDevilImage(image);
    // DevIL holds the pixels now (or has refused them): the bitmap goes at once.
    FreeImage_Unload(image);
    if (name == 0) return ConvertError::WriterFailed;

    ConversionJobRecord& job = ConversionJob;
    job.imageWidth = width;
    job.imageHeight = height;
    job.finalOutputPath = BuildOutputPath();
    job.tempOutputPath = BuildTempPath();
    ConvertError result = SaveBoundImageAsPsd(job.tempOutputPath);
    ilDeleteImages(1, &name);
    ClearDevilErrors();
    if (result != ConvertError::None) return result;
    // Only a complete file takes the final name, in one step, so an existing
    // output survives every failure before this point.
    const bool replaced = ReplaceFile(job.tempOutputPath, job.finalOutputPath);
    if (!replaced) DeleteFileForced(job.tempOutputPath);
    UnregisterTemporaryFile();
    return replaced ? ConvertError::None : ConvertError::CannotReplace;
}

ConvertError ConvertFile() {
    ConversionJobRecord& job = ConversionJob;
    job.sourceBitDepth = 0;
    // The header tells the size, so an image too large to write is refused
    // before it is decoded.
    int64_t headerWidth = 0;
    int64_t headerHeight = 0;
    if (!ReadPngSize(ReadFileHead(job.currentInputPath, kPngHeadBytes), &headerWidth, &headerHeight))
        return ConvertError::CannotRead;
    if (!FitsPsdLimits(headerWidth, headerHeight)) return ConvertError::TooLarge;

    FIBITMAP* image = FreeImage_Load(FIF_PNG, EncodeNativeText(job.currentInputPath).constData(), 0);
    if (!image) return ConvertError::CannotRead;
    job.sourceBitDepth = static_cast<int32_t>(FreeImage_GetBPP(image));
    if (Width(image) == 0 || Height(image) == 0) {
        FreeImage_Unload(image);
        return ConvertError::CannotRead;
    }

    image = RotateImage(image);
    if (!image) return ConvertError::StageFailed;
    image = ResizeImage(image, Width(image), Height(image));
    if (!image) return ConvertError::StageFailed;
    const int width = Width(image);
    const int height = Height(image);
    job.imageWidth = width;
    job.imageHeight = height;
    image = ToneMapImage(image);
    if (!image) return ConvertError::StageFailed;
    FlipImage(image);
    image = AdjustColours(image);
    if (!image) return ConvertError::StageFailed;
    image = GreyscaleImage(image);
    if (!image) return ConvertError::StageFailed;
    image = ThresholdImage(image);
    if (!image) return ConvertError::StageFailed;
    image = DrawFrame(image, width, height);
    if (!image) return ConvertError::StageFailed;
    image = DrawWatermark(image, width, height);
    if (!image) return ConvertError::StageFailed;
    image = ConvertColourDepth(image);
    if (!image) return ConvertError::StageFailed;
    return WriteImage(image);
}
}  // namespace

const char* ConvertErrorText(ConvertError error) {
    switch (error) {
        case ConvertError::None:
            return "converted";
        case ConvertError::CannotRead:
            return "the file is missing or is not a readable PNG image";
        case ConvertError::TooLarge:
            return "the image is too large for a PSD file";
        case ConvertError::StageFailed:
            return "an image operation failed";
        case ConvertError::OutOfMemory:
            return "not enough memory";
        case ConvertError::WriterFailed:
            return "the PSD writer could not take the image";
        case ConvertError::CannotWrite:
            return "the PSD file could not be written completely";
        case ConvertError::CannotReplace:
            return "the PSD file could not be given its final name";
    }
    return "unknown error";
}

bool ConvertCurrentFile(ConvertError* error) {
    const ConvertError result = ConvertFile();
    if (error) *error = result;
    return result == ConvertError::None;
}
